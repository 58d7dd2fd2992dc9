// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/LineupSolver.h"

#include <QElapsedTimer>

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace pw {

namespace {

constexpr int kGoal = int(SpotKind::Goal);
constexpr double kInf = std::numeric_limits<double>::infinity();

using Terms = std::vector<std::pair<int, double>>;

// A thin layer over GLPK's MIP solver: columns and rows by their 1-based index, one objective at
// a time, and no word on the terminal.
class Mip {
public:
    Mip()
        : m_lp(glp_create_prob())
    {
        glp_term_out(GLP_OFF);
    }
    ~Mip() { glp_delete_prob(m_lp); }
    Mip(const Mip&) = delete;
    Mip& operator=(const Mip&) = delete;

    int columns() const { return glp_get_num_cols(m_lp); }
    int rows() const { return glp_get_num_rows(m_lp); }

    int addColumn(double lo, double hi, bool integer)
    {
        const int j = glp_add_cols(m_lp, 1);
        if (integer)
            glp_set_col_kind(m_lp, j, GLP_IV);
        setBounds(j, lo, hi);
        return j;
    }
    void setBounds(int j, double lo, double hi)
    {
        const int type = lo == hi ? GLP_FX : hi == kInf ? GLP_LO : GLP_DB;
        glp_set_col_bnds(m_lp, j, type, lo, hi == kInf ? 0.0 : hi);
    }
    double lower(int j) const { return glp_get_col_lb(m_lp, j); }
    double upper(int j) const { return glp_get_col_ub(m_lp, j); }

    int addRow(const Terms& terms, double lo, double hi)
    {
        const int i = glp_add_rows(m_lp, 1);
        std::vector<int> ind{0};
        std::vector<double> val{0.0};
        for (const auto& [j, a] : terms) {
            ind.push_back(j);
            val.push_back(a);
        }
        glp_set_mat_row(m_lp, i, int(terms.size()), ind.data(), val.data());
        const int type = lo == hi ? GLP_FX : hi == kInf ? GLP_LO : lo == -kInf ? GLP_UP : GLP_DB;
        glp_set_row_bnds(m_lp, i, type, lo == -kInf ? 0.0 : lo, hi == kInf ? 0.0 : hi);
        return i;
    }
    // Drops the last rows and columns from the given ones on: a rule's helpers once it is settled.
    void truncate(int rowCount, int columnCount)
    {
        const auto drop = [](int from, int to, auto del) {
            std::vector<int> num{0};
            for (int k = from + 1; k <= to; ++k)
                num.push_back(k);
            if (num.size() > 1)
                del(int(num.size()) - 1, num.data());
        };
        drop(rowCount, rows(), [this](int n, const int* num) { glp_del_rows(m_lp, n, num); });
        drop(columnCount, columns(), [this](int n, const int* num) { glp_del_cols(m_lp, n, num); });
    }

    // Optimises the objective within the time left: its value when a line-up was found. `proven`
    // tells whether it is known to be the best (or, without a value, that there is none at all).
    std::optional<double> optimise(const Terms& objective, bool maximise, int timeMs, bool& proven)
    {
        for (int j = 1; j <= columns(); ++j)
            glp_set_obj_coef(m_lp, j, 0.0);
        for (const auto& [j, c] : objective)
            glp_set_obj_coef(m_lp, j, glp_get_obj_coef(m_lp, j) + c);
        glp_set_obj_dir(m_lp, maximise ? GLP_MAX : GLP_MIN);
        glp_iocp parm;
        glp_init_iocp(&parm);
        parm.msg_lev = GLP_MSG_OFF;
        parm.presolve = GLP_ON;
        parm.tm_lim = std::max(1, timeMs);
        const int rc = glp_intopt(m_lp, &parm);
        const int status = glp_mip_status(m_lp);
        proven = (rc == 0 && status == GLP_OPT) || rc == GLP_ENOPFS || rc == GLP_ENODFS || status == GLP_NOFEAS;
        if (status != GLP_OPT && status != GLP_FEAS)
            return std::nullopt;
        m_values.assign(size_t(columns()) + 1, 0.0);
        for (int j = 1; j <= columns(); ++j)
            m_values[size_t(j)] = glp_mip_col_val(m_lp, j);
        return glp_mip_obj_val(m_lp);
    }
    // The last line-up found, by column.
    double value(int j) const { return j > 0 && size_t(j) < m_values.size() ? m_values[size_t(j)] : 0.0; }
    bool hasValues() const { return !m_values.empty(); }

private:
    glp_prob* m_lp;
    std::vector<double> m_values;
};

// The proposal in two models. Who is on the field in each period is a flow of players into
// periods; for the rules on playing time (minimum, shares, bench) that model's relaxation is
// already whole, so each of them is quick to settle. The second model adds who stands on which
// kind of spot, for the goal and the positions, keeping what the first settled.
class ProposalModel {
public:
    explicit ProposalModel(const LineupProblem& problem);
    LineupSolution solve();

private:
    // One model's playing-time columns.
    struct Playing {
        std::vector<int> on;      // [player * periods + period]: on the field; 0 where he cannot be
        std::vector<int> played;  // by player: his periods in the proposed periods; 0 for none
    };

    bool available(int i, int p) const;
    int lockedSpot(int i, int p) const { return m_lockedSpot[size_t(p)][size_t(i)]; }
    bool isFree(int p) const { return m_free[size_t(p)]; }
    int x(int i, int p, int k) const { return m_x[size_t((i * m_periods + p) * kSpotKinds + k)]; }
    // His periods so far: the season's and this game's kept ones.
    double base(int i) const { return m_problem.players[i].earlierPlayed + m_keptPlayed[size_t(i)]; }
    double seasonPeriods(int i) const { return m_problem.players[i].earlierAvailable + m_gameAvailable[size_t(i)]; }
    bool counts(int i) const { return m_flowCols.played[size_t(i)] != 0 && seasonPeriods(i) > 0; }
    double onTerms(const Playing& m, int i, int p, Terms& terms) const;

    void readLocks();
    Playing addPlaying(Mip& mip);
    void addSpots();
    Terms addShortfall(Mip& mip, const Playing& m) const;
    Terms addBenchRuns(Mip& mip, const Playing& m) const;
    std::optional<double> rule(Mip& mip, const Terms& objective, bool maximise);
    bool feasibleWithin(const std::vector<double>& lo, const std::vector<double>& hi);
    void keepBounds(const std::vector<double>& lo, const std::vector<double>& hi);
    std::vector<double> shareSteps() const;

    bool fewestShortOfMinimum();
    bool raiseLowestShare();
    bool lowerHighestShare();
    bool fewestBenchRuns();
    bool rotateGoal();
    bool matchPositions();

    LineupSolution read() const;
    std::vector<int> kindsFor(int p, const std::vector<bool>& on, std::vector<int>& goalTurns) const;
    void assignSpots(LineupSolution& s, int p, const std::vector<int>& kindOf) const;

    const LineupProblem& m_problem;
    int m_periods;
    int m_players;
    QElapsedTimer m_clock;
    bool m_complete = true;
    bool m_minimumMissed = false;
    std::vector<bool> m_free;                    // by period: proposed, not kept
    std::vector<std::vector<int>> m_lockedSpot;  // [period][player], -1 for none
    std::vector<int> m_keptPlayed;               // by player: periods on the field in kept periods
    std::vector<int> m_gameAvailable;            // by player: available periods of this game
    std::vector<int> m_count;                    // by period: players on the field
    std::vector<double> m_lo;                    // by player: least and most periods the rules leave
    std::vector<double> m_hi;
    Mip m_flow;
    Playing m_flowCols;
    Mip m_spots;
    Playing m_spotCols;
    std::vector<int> m_x;  // [(player * periods + period) * kinds + kind] in m_spots, 0 for none
};

ProposalModel::ProposalModel(const LineupProblem& problem)
    : m_problem(problem)
    , m_periods(std::max(0, problem.periods))
    , m_players(int(problem.players.size()))
{
    m_clock.start();
    m_free.assign(size_t(m_periods), true);
    for (int p = 0; p < m_periods && p < problem.lockedPeriods.size(); ++p)
        m_free[size_t(p)] = !problem.lockedPeriods[p];
    m_gameAvailable.assign(size_t(m_players), 0);
    for (int i = 0; i < m_players; ++i) {
        for (int p = 0; p < m_periods; ++p)
            m_gameAvailable[size_t(i)] += available(i, p) ? 1 : 0;
    }
    readLocks();
    m_count.assign(size_t(m_periods), 0);
    for (int p = 0; p < m_periods; ++p) {
        for (int i = 0; i < m_players; ++i)
            m_count[size_t(p)] += available(i, p) ? 1 : 0;
        m_count[size_t(p)] = std::min(m_count[size_t(p)], int(problem.spots.size()));
    }
    m_flowCols = addPlaying(m_flow);
    m_spotCols = addPlaying(m_spots);
    addSpots();
    m_lo.assign(size_t(m_players), 0.0);
    m_hi.assign(size_t(m_players), 0.0);
    for (int i = 0; i < m_players; ++i) {
        for (int p = 0; p < m_periods; ++p)
            m_hi[size_t(i)] += isFree(p) && available(i, p) ? 1 : 0;
    }
}

bool ProposalModel::available(int i, int p) const
{
    const QList<bool>& a = m_problem.players[i].available;
    return p < a.size() && a[p];
}

void ProposalModel::readLocks()
{
    const auto spots = size_t(m_problem.spots.size());
    m_lockedSpot.assign(size_t(m_periods), std::vector<int>(size_t(m_players), -1));
    std::vector<std::vector<bool>> taken(size_t(m_periods), std::vector<bool>(spots, false));
    m_keptPlayed.assign(size_t(m_players), 0);
    for (const SolverPlacement& l : m_problem.locked) {
        if (l.period < 0 || l.period >= m_periods || l.player < 0 || l.player >= m_players || l.spot < 0 ||
            size_t(l.spot) >= spots || taken[size_t(l.period)][size_t(l.spot)] || lockedSpot(l.player, l.period) >= 0 ||
            !available(l.player, l.period))
            continue;
        taken[size_t(l.period)][size_t(l.spot)] = true;
        m_lockedSpot[size_t(l.period)][size_t(l.player)] = l.spot;
        if (!isFree(l.period))
            m_keptPlayed[size_t(l.player)] += 1;
    }
}

// on(i, p) for every player available in a proposed period (fixed on for a locked one), exactly
// the team's number on the field in each (fewer only when fewer are available), and each player's
// periods as a column of its own, for the rules on playing time to bound.
ProposalModel::Playing ProposalModel::addPlaying(Mip& mip)
{
    Playing m;
    m.on.assign(size_t(m_players * m_periods), 0);
    m.played.assign(size_t(m_players), 0);
    for (int p = 0; p < m_periods; ++p) {
        if (!isFree(p))
            continue;
        Terms period;
        for (int i = 0; i < m_players; ++i) {
            if (!available(i, p))
                continue;
            const int on = mip.addColumn(lockedSpot(i, p) >= 0 ? 1 : 0, 1, true);
            m.on[size_t(i * m_periods + p)] = on;
            period.emplace_back(on, 1.0);
        }
        if (!period.empty())
            mip.addRow(period, m_count[size_t(p)], m_count[size_t(p)]);
    }
    for (int i = 0; i < m_players; ++i) {
        Terms periods;
        for (int p = 0; p < m_periods; ++p) {
            if (const int on = m.on[size_t(i * m_periods + p)])
                periods.emplace_back(on, -1.0);
        }
        if (periods.empty())
            continue;
        const int y = mip.addColumn(0, double(periods.size()), false);
        m.played[size_t(i)] = y;
        periods.emplace_back(y, 1.0);
        mip.addRow(periods, 0.0, 0.0);
    }
    return m;
}

// x(i, p, k): the player on a spot of kind k, for every kind the formation has; on(i, p) is the sum.
// A kind's spots are taken once each, the goal is filled (unless locked field players already
// make up everybody there), and a locked player stays on his spot's kind.
void ProposalModel::addSpots()
{
    std::array<int, kSpotKinds> capacity{};
    for (SpotKind k : m_problem.spots)
        capacity[size_t(k)] += 1;
    m_x.assign(size_t(m_players * m_periods * kSpotKinds), 0);
    for (int p = 0; p < m_periods; ++p) {
        std::array<Terms, kSpotKinds> kinds;
        int lockedField = 0;
        for (int i = 0; i < m_players; ++i) {
            const int on = m_spotCols.on[size_t(i * m_periods + p)];
            if (!on)
                continue;
            const int locked = lockedSpot(i, p);
            lockedField += locked >= 0 && m_problem.spots[locked] != SpotKind::Goal ? 1 : 0;
            Terms link{{on, -1.0}};
            for (int k = 0; k < kSpotKinds; ++k) {
                if (capacity[size_t(k)] == 0)
                    continue;
                const bool fixedOn = locked >= 0 && int(m_problem.spots[locked]) == k;
                const int c = m_spots.addColumn(fixedOn ? 1 : 0, locked >= 0 && !fixedOn ? 0 : 1, true);
                m_x[size_t((i * m_periods + p) * kSpotKinds + k)] = c;
                link.emplace_back(c, 1.0);
                kinds[size_t(k)].emplace_back(c, 1.0);
            }
            m_spots.addRow(link, 0.0, 0.0);
        }
        for (int k = 0; k < kSpotKinds; ++k) {
            if (kinds[size_t(k)].empty())
                continue;
            const bool filled = k == kGoal && m_count[size_t(p)] > lockedField;
            m_spots.addRow(kinds[size_t(k)], filled ? 1.0 : 0.0, capacity[size_t(k)]);
        }
    }
}

std::optional<double> ProposalModel::rule(Mip& mip, const Terms& objective, bool maximise)
{
    const int left = m_problem.timeLimitMs - int(m_clock.elapsed());
    if (left <= 0) {
        m_complete = false;
        return std::nullopt;
    }
    bool proven = false;
    std::optional<double> v = mip.optimise(objective, maximise, left, proven);
    if (!proven)
        m_complete = false;
    return v;
}

Terms ProposalModel::addShortfall(Mip& mip, const Playing& m) const
{
    Terms shortfall;
    for (int i = 0; i < m_players; ++i) {
        const int needed = std::min(m_problem.minPeriods, m_gameAvailable[size_t(i)]) - m_keptPlayed[size_t(i)];
        if (needed <= 0 || m.played[size_t(i)] == 0)
            continue;
        const int s = mip.addColumn(0, needed, false);
        mip.addRow({{m.played[size_t(i)], 1.0}, {s, 1.0}}, needed, kInf);
        shortfall.emplace_back(s, 1.0);
    }
    return shortfall;
}

// Every available player plays at least the minimum periods (or all he is available for, when
// that is fewer); where the roster makes that impossible, as few periods short as can be.
bool ProposalModel::fewestShortOfMinimum()
{
    const Terms flow = addShortfall(m_flow, m_flowCols);
    const Terms spots = addShortfall(m_spots, m_spotCols);
    const std::optional<double> v = rule(m_flow, flow, false);
    if (!v)
        return false;
    m_minimumMissed = *v > 0.5;
    for (int i = 0; i < m_players; ++i) {
        // Short in the kept periods, with none left to make it up in.
        const int needed = std::min(m_problem.minPeriods, m_gameAvailable[size_t(i)]) - m_keptPlayed[size_t(i)];
        m_minimumMissed = m_minimumMissed || (needed > 0 && m_flowCols.played[size_t(i)] == 0);
    }
    if (!flow.empty()) {
        m_flow.addRow(flow, -kInf, std::floor(*v + 0.5));
        m_spots.addRow(spots, -kInf, std::floor(*v + 0.5));
    }
    return m_complete;
}

// The shares a player can end the game with, lowest first: where the lowest and highest share of
// the best line-up must lie.
std::vector<double> ProposalModel::shareSteps() const
{
    std::vector<double> steps;
    for (int i = 0; i < m_players; ++i) {
        for (int k = 0; counts(i) && k <= int(m_hi[size_t(i)]); ++k)
            steps.push_back((base(i) + k) / seasonPeriods(i));
    }
    std::sort(steps.begin(), steps.end());
    steps.erase(std::unique(steps.begin(), steps.end(), [](double a, double b) { return b - a < 1e-9; }), steps.end());
    return steps;
}

// Whether the rules so far leave a line-up with each player's periods within the bounds.
bool ProposalModel::feasibleWithin(const std::vector<double>& lo, const std::vector<double>& hi)
{
    for (int i = 0; i < m_players; ++i) {
        if (lo[size_t(i)] > hi[size_t(i)])
            return false;
        if (const int y = m_flowCols.played[size_t(i)])
            m_flow.setBounds(y, lo[size_t(i)], hi[size_t(i)]);
    }
    const bool found = rule(m_flow, {}, false).has_value();
    keepBounds(m_lo, m_hi);
    return found;
}

void ProposalModel::keepBounds(const std::vector<double>& lo, const std::vector<double>& hi)
{
    for (int i = 0; i < m_players; ++i) {
        if (const int y = m_flowCols.played[size_t(i)])
            m_flow.setBounds(y, lo[size_t(i)], hi[size_t(i)]);
        if (const int y = m_spotCols.played[size_t(i)])
            m_spots.setBounds(y, lo[size_t(i)], hi[size_t(i)]);
    }
    m_lo = lo;
    m_hi = hi;
}

// The season shares: the highest lowest share any line-up gives, kept as each player's least
// periods. The answer is one of the shares players can end with, found by halving.
bool ProposalModel::raiseLowestShare()
{
    const std::vector<double> steps = shareSteps();
    const auto leastFor = [&](double share) {
        std::vector<double> lo = m_lo;
        for (int i = 0; i < m_players; ++i) {
            if (counts(i))
                lo[size_t(i)] = std::max(lo[size_t(i)], std::ceil(share * seasonPeriods(i) - base(i) - 1e-7));
        }
        return lo;
    };
    size_t good = 0;  // the lowest step holds for any line-up
    size_t bad = steps.size();
    while (bad - good > 1 && m_complete) {
        const size_t mid = (good + bad) / 2;
        if (feasibleWithin(leastFor(steps[mid]), m_hi))
            good = mid;
        else
            bad = mid;
    }
    if (!steps.empty())
        keepBounds(leastFor(steps[good]), m_hi);
    return m_complete;
}

// Then, among those, the lowest highest share, kept as each player's most periods.
bool ProposalModel::lowerHighestShare()
{
    const std::vector<double> steps = shareSteps();
    const auto mostFor = [&](double share) {
        std::vector<double> hi = m_hi;
        for (int i = 0; i < m_players; ++i) {
            if (counts(i))
                hi[size_t(i)] = std::min(hi[size_t(i)], std::floor(share * seasonPeriods(i) - base(i) + 1e-7));
        }
        return hi;
    };
    if (steps.empty())
        return m_complete;
    // The highest step holds for any line-up; the lowest that holds is found by halving below it.
    int good = int(steps.size()) - 1;
    int bad = -1;
    while (good - bad > 1 && m_complete) {
        const int mid = (good + bad) / 2;
        if (feasibleWithin(m_lo, mostFor(steps[size_t(mid)])))
            good = mid;
        else
            bad = mid;
    }
    keepBounds(m_lo, mostFor(steps[size_t(good)]));
    return m_complete;
}

double ProposalModel::onTerms(const Playing& m, int i, int p, Terms& terms) const
{
    if (!isFree(p))
        return lockedSpot(i, p) >= 0 ? 1.0 : 0.0;
    if (const int on = m.on[size_t(i * m_periods + p)])
        terms.emplace_back(on, 1.0);
    return 0.0;
}

// b >= 1 - on(p) - on(p + 1): a player sitting out two periods in a row while available for both.
Terms ProposalModel::addBenchRuns(Mip& mip, const Playing& m) const
{
    Terms runs;
    for (int i = 0; i < m_players; ++i) {
        for (int p = 0; p + 1 < m_periods; ++p) {
            if (!available(i, p) || !available(i, p + 1) || (!isFree(p) && !isFree(p + 1)))
                continue;
            Terms terms;
            const double kept = onTerms(m, i, p, terms) + onTerms(m, i, p + 1, terms);
            if (kept >= 1.0)
                continue;
            const int b = mip.addColumn(0, 1, false);
            terms.emplace_back(b, 1.0);
            mip.addRow(terms, 1.0 - kept, kInf);
            runs.emplace_back(b, 1.0);
        }
    }
    return runs;
}

// Fewest times a player sits out two periods in a row.
bool ProposalModel::fewestBenchRuns()
{
    const Terms flow = addBenchRuns(m_flow, m_flowCols);
    const Terms spots = addBenchRuns(m_spots, m_spotCols);
    if (flow.empty())
        return m_complete;
    const std::optional<double> v = rule(m_flow, flow, false);
    if (!v)
        return false;
    m_flow.addRow(flow, -kInf, std::floor(*v + 0.5));
    m_spots.addRow(spots, -kInf, std::floor(*v + 0.5));
    return m_complete;
}

// The goal: goalkeepers first, then field players the coach allows in goal, then anybody; within
// each, whoever has kept goal least this season (this game's periods counted as they come).
bool ProposalModel::rotateGoal()
{
    int freePeriods = 0;
    for (bool f : m_free)
        freePeriods += f ? 1 : 0;
    std::vector<int> before(size_t(m_players), 0);
    int most = 0;
    for (int i = 0; i < m_players; ++i) {
        before[size_t(i)] = m_problem.players[i].goalPeriods;
        for (int p = 0; p < m_periods; ++p) {
            const int s = lockedSpot(i, p);
            before[size_t(i)] += !isFree(p) && s >= 0 && m_problem.spots[s] == SpotKind::Goal ? 1 : 0;
        }
        most = std::max(most, before[size_t(i)]);
    }
    // A step between the three groups outweighs any difference of turns within them.
    const double step = double(freePeriods) * (most + freePeriods) + 1.0;
    Terms cost;
    for (int i = 0; i < m_players; ++i) {
        const SolverPlayer& pl = m_problem.players[i];
        const int group = pl.flags[size_t(kGoal)] ? 0 : pl.mayPlayGoal ? 1 : 2;
        Terms turns;
        for (int p = 0; p < m_periods; ++p) {
            if (x(i, p, kGoal))
                turns.emplace_back(x(i, p, kGoal), -1.0);
        }
        // His j-th turn in goal costs more than the one before, so turns go round.
        const int count = int(turns.size());
        for (int j = 1; j <= count; ++j) {
            const int t = m_spots.addColumn(0, 1, false);
            turns.emplace_back(t, 1.0);
            cost.emplace_back(t, group * step + before[size_t(i)] + j);
        }
        if (count > 0)
            m_spots.addRow(turns, 0.0, 0.0);
    }
    const std::optional<double> v = rule(m_spots, cost, false);
    if (!v)
        return false;
    if (!cost.empty())
        m_spots.addRow(cost, -kInf, std::floor(*v + 0.5));
    return m_complete;
}

// Field players on spots of their positions where they can be (a sweeper counts as a back); the
// rest of the choice falls to a fixed order of players, periods and kinds, so that the same data
// gives the same line-up.
bool ProposalModel::matchPositions()
{
    Terms score;
    std::vector<int> columns;
    for (int i = 0; i < m_players; ++i) {
        for (int p = 0; p < m_periods; ++p) {
            for (int k = 0; k < kSpotKinds; ++k) {
                if (x(i, p, k))
                    columns.push_back(x(i, p, k));
            }
        }
    }
    // Less than one match all together, so they only ever break ties.
    const double n = double(columns.size());
    for (size_t c = 0; c < columns.size(); ++c)
        score.emplace_back(columns[c], (n - double(c)) / ((n + 1.0) * n));
    for (int i = 0; i < m_players; ++i) {
        const auto& flags = m_problem.players[i].flags;
        for (int k = 0; k < kGoal; ++k) {
            const bool fits =
                flags[size_t(k)] || (SpotKind(k) == SpotKind::FullBack && flags[size_t(SpotKind::Sweeper)]);
            for (int p = 0; p < m_periods && fits; ++p) {
                if (x(i, p, k))
                    score.emplace_back(x(i, p, k), 1.0);
            }
        }
    }
    return rule(m_spots, score, true).has_value();
}

LineupSolution ProposalModel::solve()
{
    // Each rule in turn, its best kept while the next is settled; when time runs out, the best
    // line-up found so far stands.
    if (!m_problem.spots.isEmpty() && m_players > 0 && m_periods > 0) {
        const bool done = fewestShortOfMinimum() && raiseLowestShare() && lowerHighestShare() && fewestBenchRuns() &&
                          rotateGoal() && matchPositions();
        Q_UNUSED(done);
    }
    return read();
}

// Kinds of spot for the players on the field in a period when the second model gave none: the
// locked keep theirs, the goal to whoever suits it best, the rest on kinds of their positions
// where the formation has them free.
std::vector<int> ProposalModel::kindsFor(int p, const std::vector<bool>& on, std::vector<int>& goalTurns) const
{
    std::vector<int> kindOf(size_t(m_players), -1);
    std::vector<int> free;
    bool goalTaken = false;
    for (SpotKind k : m_problem.spots)
        free.push_back(int(k));
    for (int i = 0; i < m_players; ++i) {
        if (on[size_t(i)] && lockedSpot(i, p) >= 0) {
            kindOf[size_t(i)] = int(m_problem.spots[lockedSpot(i, p)]);
            goalTaken = goalTaken || kindOf[size_t(i)] == kGoal;
            free.erase(std::find(free.begin(), free.end(), kindOf[size_t(i)]));
        }
    }
    const auto rank = [&](int i) {
        const SolverPlayer& pl = m_problem.players[i];
        return std::pair(pl.flags[size_t(kGoal)] ? 0 : pl.mayPlayGoal ? 1 : 2, goalTurns[size_t(i)]);
    };
    int keeper = -1;
    for (int i = 0; i < m_players && !goalTaken; ++i) {
        if (on[size_t(i)] && kindOf[size_t(i)] < 0 && (keeper < 0 || rank(i) < rank(keeper)))
            keeper = i;
    }
    if (keeper >= 0) {
        kindOf[size_t(keeper)] = kGoal;
        goalTurns[size_t(keeper)] += 1;
        free.erase(std::find(free.begin(), free.end(), kGoal));
    }
    for (int i = 0; i < m_players; ++i) {
        if (!on[size_t(i)] || kindOf[size_t(i)] >= 0 || free.empty())
            continue;
        auto it = std::find_if(free.begin(), free.end(),
                               [&](int k) { return k != kGoal && m_problem.players[i].flags[size_t(k)]; });
        if (it == free.end())
            it = std::find_if(free.begin(), free.end(), [](int k) { return k != kGoal; });
        if (it == free.end())
            it = free.begin();
        kindOf[size_t(i)] = *it;
        free.erase(it);
    }
    return kindOf;
}

// Spots within a kind: a player keeps the spot he had the period before where he can, the others
// take the free ones in the formation's order.
void ProposalModel::assignSpots(LineupSolution& s, int p, const std::vector<int>& kindOf) const
{
    const int spots = int(m_problem.spots.size());
    std::vector<bool> taken(size_t(spots), false);
    for (int i = 0; i < m_players; ++i) {
        const int locked = lockedSpot(i, p);
        if (locked >= 0 && kindOf[size_t(i)] >= 0) {
            s.spotOf[p][i] = locked;
            taken[size_t(locked)] = true;
        }
    }
    const auto take = [&](int i, int spot) {
        s.spotOf[p][i] = spot;
        taken[size_t(spot)] = true;
    };
    for (int i = 0; i < m_players; ++i) {
        const int last = p > 0 ? s.spotOf[p - 1][i] : -1;
        if (kindOf[size_t(i)] >= 0 && s.spotOf[p][i] < 0 && last >= 0 &&
            int(m_problem.spots[last]) == kindOf[size_t(i)] && !taken[size_t(last)])
            take(i, last);
    }
    for (int i = 0; i < m_players; ++i) {
        for (int spot = 0; spot < spots && kindOf[size_t(i)] >= 0 && s.spotOf[p][i] < 0; ++spot) {
            if (!taken[size_t(spot)] && int(m_problem.spots[spot]) == kindOf[size_t(i)])
                take(i, spot);
        }
    }
}

// The line-up from the furthest model that has one; without any in time, a plain fill of the
// lowest shares first.
LineupSolution ProposalModel::read() const
{
    LineupSolution s;
    s.complete = m_complete;
    s.minimumMissed = m_minimumMissed;
    s.spotOf = QList<QList<int>>(m_periods, QList<int>(m_players, -1));
    std::vector<int> goalTurns(size_t(m_players), 0);
    std::vector<int> played(m_keptPlayed);
    for (int i = 0; i < m_players; ++i)
        goalTurns[size_t(i)] = m_problem.players[i].goalPeriods;
    for (int p = 0; p < m_periods; ++p) {
        if (!isFree(p)) {
            for (int i = 0; i < m_players; ++i)
                s.spotOf[p][i] = lockedSpot(i, p);
            continue;
        }
        if (m_count[size_t(p)] < m_problem.spots.size())
            s.shortPeriods << p;
        std::vector<int> kindOf(size_t(m_players), -1);
        std::vector<bool> on(size_t(m_players), false);
        for (int i = 0; i < m_players; ++i) {
            for (int k = 0; k < kSpotKinds && m_spots.hasValues(); ++k) {
                if (x(i, p, k) && m_spots.value(x(i, p, k)) > 0.5)
                    kindOf[size_t(i)] = k;
            }
            on[size_t(i)] = m_flow.value(m_flowCols.on[size_t(i * m_periods + p)]) > 0.5;
        }
        if (!m_spots.hasValues()) {
            if (!m_flow.hasValues()) {
                std::vector<int> order;
                for (int i = 0; i < m_players; ++i) {
                    if (available(i, p))
                        order.push_back(i);
                }
                const auto share = [&](int i) { return seasonShare(m_problem.players[i], played[size_t(i)]); };
                std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                    const bool la = lockedSpot(a, p) >= 0;
                    const bool lb = lockedSpot(b, p) >= 0;
                    return la != lb ? la : share(a) < share(b);
                });
                for (size_t k = 0; k < order.size() && k < size_t(m_count[size_t(p)]); ++k)
                    on[size_t(order[k])] = true;
            }
            kindOf = kindsFor(p, on, goalTurns);
        }
        for (int i = 0; i < m_players; ++i)
            played[size_t(i)] += kindOf[size_t(i)] >= 0 ? 1 : 0;
        assignSpots(s, p, kindOf);
    }
    return s;
}

}  // namespace

double seasonShare(const SolverPlayer& player, int played)
{
    int available = player.earlierAvailable;
    for (bool a : player.available)
        available += a ? 1 : 0;
    return available > 0 ? double(player.earlierPlayed + played) / available : -1.0;
}

LineupSolution solveLineup(const LineupProblem& problem)
{
    ProposalModel model(problem);
    return model.solve();
}

}  // namespace pw
