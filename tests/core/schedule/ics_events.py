#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an iCalendar file with the icalendar package and prints what it understood as JSON.

The calendar test runs this with the exported file, so that the file is checked by a parser that is
not the program's own. Each event's times are given as the wall-clock time the file names and as
UTC, the latter worked out from the file's own VTIMEZONE, so that a wrong zone shows.
"""
import json
import sys
from datetime import date, datetime

import icalendar
import pytz


def text(value):
    return None if value is None else str(value)


def when(event, name, zones, utc_zone):
    prop = event.get(name)
    if prop is None:
        return None
    value = prop.dt
    if isinstance(value, datetime):
        tzid = prop.params.get("TZID")
        wall = value.replace(tzinfo=None)
        utc = None
        if tzid in zones:
            utc = zones[tzid].localize(wall).astimezone(utc_zone).replace(tzinfo=None).isoformat()
        return {"wall": wall.isoformat(timespec="minutes"), "tzid": tzid, "utc": utc}
    if isinstance(value, date):
        return {"date": value.isoformat()}
    return None


def main():
    with open(sys.argv[1], "rb") as f:
        raw = f.read()
    calendar = icalendar.Calendar.from_ical(raw)
    zones = {}
    zone_ids = []
    for tz in calendar.walk("VTIMEZONE"):
        tzid = str(tz.get("TZID"))
        zone_ids.append(tzid)
        zones[tzid] = tz.to_tz()
    events = []
    for e in calendar.walk("VEVENT"):
        events.append({
            "uid": text(e.get("UID")),
            "summary": text(e.get("SUMMARY")),
            "location": text(e.get("LOCATION")),
            "description": text(e.get("DESCRIPTION")),
            "start": when(e, "DTSTART", zones, pytz.utc),
            "end": when(e, "DTEND", zones, pytz.utc),
            "stamp": e.get("DTSTAMP").dt.isoformat() if e.get("DTSTAMP") is not None else None,
        })
    lines = raw.split(b"\r\n")
    print(json.dumps({
        "version": text(calendar.get("VERSION")),
        "prodid": text(calendar.get("PRODID")),
        "zones": zone_ids,
        "events": events,
        "longest_line": max(len(line) for line in lines),
        "bare_newlines": raw.replace(b"\r\n", b"").count(b"\n"),
    }))


if __name__ == "__main__":
    main()
