#!/usr/bin/env python3
"""Makes a translated resource script for a satellite library.

    translate_rc.py PREPROCESSED.rc TRANSLATION.ts OUTPUT.rc

Every string literal of the preprocessed English resource script whose text
is the source of a message in the Qt translation file is replaced by that
message's translation, so that both platforms take their texts from the one
.ts file. Literals without a translation (class names, fonts, key names) stay
as they are. The build fails when a source text has two different
translations, since a resource script cannot tell them apart.
"""
import re
import sys
import xml.etree.ElementTree as ElementTree

# A resource-script string: a doubled quote stands for one quote.
LITERAL = re.compile(r'"((?:[^"\n]|"")*)"')


def load_translations(ts_path):
    translations = {}
    for message in ElementTree.parse(ts_path).getroot().iter('message'):
        source = message.findtext('source')
        translation = message.findtext('translation')
        if not source or not translation:
            continue
        known = translations.setdefault(source, translation)
        if known != translation:
            sys.exit(f'{ts_path}: "{source}" has two translations: "{known}", "{translation}"')
    return translations


def escape(text):
    if '\n' in text or '\\' in text:
        sys.exit(f'cannot write "{text}" into a resource script')
    return text.replace('"', '""')


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source_path, ts_path, output_path = sys.argv[1:]
    translations = load_translations(ts_path)

    def translate(match):
        text = match.group(1).replace('""', '"')
        return '"' + escape(translations.get(text, text)) + '"'

    with open(source_path, encoding='utf-8') as source:
        lines = source.readlines()
    with open(output_path, 'w', encoding='utf-8') as output:
        for line in lines:
            # Line markers name files; they stay as they are.
            output.write(line if line.startswith('#') else LITERAL.sub(translate, line))


if __name__ == '__main__':
    main()
