#!/usr/bin/env python3
"""Every relative link and picture in README.md and docs/*.md leads somewhere.

Checks each [text](path) and ![alt](path) (and <img src="path">) outside code:
the file or folder must exist, and a #anchor must name a heading of the
Markdown file it points to, by GitHub's rule for heading anchors. Links to
other sites (http:, https:, mailto:) are not followed.

Usage: tst_docs.py [REPOSITORY_ROOT]; without it, the folder above this file.
Exit status 1, naming each broken link, when any is broken.
"""
import os
import re
import sys
import urllib.parse

LINK = re.compile(r'!?\[(?:[^\[\]]|\[[^\]]*\])*\]\(\s*(<[^>]*>|[^)\s]*)(?:\s+"[^"]*")?\s*\)')
IMG = re.compile(r'<img\s[^>]*?src="([^"]*)"')
HTML_ANCHOR = re.compile(r'<a\s[^>]*?(?:id|name)="([^"]*)"')
HEADING = re.compile(r'^ {0,3}(#{1,6})\s+(.*?)\s*#*\s*$')
FENCE = re.compile(r'^ {0,3}(```|~~~)')
CODE_SPAN = re.compile(r'(`+)(.+?)\1')


def prose_lines(path):
    """(line number, text) of each line outside fenced code."""
    fenced = None
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            fence = FENCE.match(line)
            if fence:
                if fenced is None:
                    fenced = fence.group(1)
                elif fenced == fence.group(1):
                    fenced = None
                continue
            if fenced is None:
                yield number, line.rstrip('\n')


def anchor(heading):
    """GitHub's anchor of a heading's text: its plain text in lower case, every
    character but letters, digits, '_', '-' and spaces dropped, spaces made '-'."""
    text = CODE_SPAN.sub(lambda m: m.group(2), heading)
    text = re.sub(r'!?\[([^\]]*)\]\([^)]*\)', r'\1', text)  # a link's text only
    text = re.sub(r'<[^>]+>', '', text)
    text = text.strip().lower()
    text = ''.join(c for c in text if c.isalnum() or c in '_- ')
    return text.replace(' ', '-')


def anchors(path):
    """Every anchor of a Markdown file; a repeated heading gets -1, -2, …"""
    found, seen = set(), {}
    for _, line in prose_lines(path):
        found.update(HTML_ANCHOR.findall(line))
        heading = HEADING.match(line)
        if heading:
            base = anchor(heading.group(2))
            count = seen.get(base, 0)
            seen[base] = count + 1
            found.add(base if count == 0 else f'{base}-{count}')
    return found


def paragraphs(path):
    """(first line number, text) of each run of lines outside code, code spans
    blanked, so that a link broken over two lines is read whole."""
    start, lines, last = 0, [], -1
    for number, line in prose_lines(path):
        if lines and (not line.strip() or number != last + 1):
            yield start, '\n'.join(lines)
            lines = []
        if line.strip():
            if not lines:
                start = number
            lines.append(line)
        last = number
    if lines:
        yield start, '\n'.join(lines)


def check(root):
    pages = [os.path.join(root, 'README.md')]
    docs = os.path.join(root, 'docs')
    pages += sorted(os.path.join(docs, name) for name in os.listdir(docs) if name.endswith('.md'))
    broken, checked = [], 0
    for page in pages:
        for start, text in paragraphs(page):
            text = CODE_SPAN.sub(lambda m: ' ' * len(m.group(0)), text)
            found = [m for m in LINK.finditer(text)] + [m for m in IMG.finditer(text)]
            for match in found:
                target = match.group(1).strip('<>')
                number = start + text.count('\n', 0, match.start())
                if not target or re.match(r'^[a-z][a-z0-9+.-]*:', target, re.I):
                    continue
                checked += 1
                path, _, fragment = target.partition('#')
                file = os.path.normpath(os.path.join(os.path.dirname(page), urllib.parse.unquote(path))) if path else page
                where = f'{os.path.relpath(page, root)}:{number}: {target}'
                if not os.path.exists(file):
                    broken.append(f'{where}: no such file')
                elif fragment and file.endswith('.md') and urllib.parse.unquote(fragment) not in anchors(file):
                    broken.append(f'{where}: no heading with anchor #{fragment}')
    return broken, checked


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    broken, checked = check(root)
    for problem in broken:
        print(problem)
    if checked == 0:
        print('no relative link found: the reading of the Markdown is broken')
        return 1
    print(f'{checked} relative links and pictures checked, {len(broken)} broken')
    return 1 if broken else 0


if __name__ == '__main__':
    sys.exit(main())
