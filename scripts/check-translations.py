#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the translations are complete: lupdate is run over the sources into a temporary
copy of each .ts file (the files in the tree are left as they are), and every message must then
be translated: none new or unfinished (a text the sources gained or changed), none vanished or
obsolete (a text the sources lost), every %1 of the English text kept, and a plural text with
all its forms. Exits 1 listing the offenders.

    scripts/check-translations.py [translations/pitchwise_es.ts ...]   (default: every .ts file)
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PLACEHOLDER = re.compile(r'%(\d+|n)')


def lupdate_program():
    for candidate in (os.environ.get('LUPDATE'), '/usr/lib/qt6/bin/lupdate', shutil.which('lupdate6'),
                      shutil.which('lupdate')):
        if candidate and os.path.exists(candidate):
            return candidate
    sys.exit('check-translations: lupdate not found (install qt6-l10n-tools or set LUPDATE)')


def refreshed_copy(ts_path, workdir):
    """The .ts file as lupdate leaves it after reading today's sources, in workdir."""
    copy = os.path.join(workdir, os.path.basename(ts_path))
    shutil.copyfile(ts_path, copy)
    # The same options as the build's update_translations target, but vanished texts are kept so
    # that they can be named.
    result = subprocess.run([lupdate_program(), '-silent', '-locations', 'none', os.path.join(ROOT, 'src'), '-ts',
                             copy], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f'check-translations: lupdate failed on {ts_path}:\n{result.stderr}')
    return copy


def offenders(ts_path):
    problems = []
    root = ET.parse(ts_path).getroot()
    for context in root.findall('context'):
        name = context.findtext('name')
        for message in context.findall('message'):
            source = message.findtext('source') or ''
            where = f'{name}: "{source}"'
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            if kind in ('unfinished', 'vanished', 'obsolete', 'missing'):
                problems.append(f'{kind}: {where}')
                continue
            if message.get('numerus') == 'yes':
                forms = [f.text or '' for f in translation.findall('numerusform')]
                texts = forms
                if not forms or any(not f for f in forms):
                    problems.append(f'plural forms missing: {where}')
                    continue
            else:
                texts = [translation.text or '']
                if not texts[0]:
                    problems.append(f'empty: {where}')
                    continue
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for text in texts:
                if sorted(set(PLACEHOLDER.findall(text))) != wanted:
                    problems.append(f'placeholders differ: {where} -> "{text}"')
                    break
    return problems


def main():
    files = sys.argv[1:] or sorted(glob.glob(os.path.join(ROOT, 'translations', '*.ts')))
    if not files:
        sys.exit('check-translations: no .ts files')
    failed = False
    with tempfile.TemporaryDirectory() as workdir:
        for ts_path in files:
            problems = offenders(refreshed_copy(ts_path, workdir))
            if problems:
                failed = True
                print(f'{os.path.relpath(ts_path, ROOT)}: {len(problems)} text(s) not translated as they stand:')
                for p in problems:
                    print('  ' + p)
            else:
                print(f'{os.path.relpath(ts_path, ROOT)}: complete')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
