#!/usr/bin/env python3
"""Writes the page: the template with the window's menu bar and the
captions of its Help and About dialogs, read from the resource script, so
captions and command ids are the program's own. The menu bar is written as
an ARIA menubar: one Tab stop, the list items presentational.
The style sheet gets the window's child-control layout from controls.def.
    make_page.py KudomatZub.rc resource_ids.h index.html.in index.html \
                 kudomat_zub.css.in kudomat_zub.css"""
import html
import re
import sys

rc, ids_h, template, out, css_in, css_out = sys.argv[1:7]
ids = dict(re.findall(r'#define (\w+) (\d+)', open(ids_h).read()))


def expand(text):
    """The script's lines with the Insert menu's style list written out, as
    the resource compiler's preprocessor writes it."""
    styles = open(rc.rsplit('/', 1)[0] + '/styles.def').read()
    items = [f'        MENUITEM "{name}", {command}' for command, name in
             re.findall(r'^KZ_STYLE\((\w+), "([^"]*)"', styles, re.M)]
    text = re.sub(r'#define KZ_STYLE\(.*?\n.*?\n#include "styles.def"\n#undef KZ_STYLE',
                  '\n'.join(items), text, flags=re.S)
    return text.splitlines()


lines = expand(open(rc).read())
# Commands with a Ctrl shortcut, and its key.
ctrl = {m.group(2): m.group(1) for m in
        (re.match(r'\s*"(.)", (\w+), VIRTKEY, CONTROL', l) for l in lines) if m}


def caption(text):
    """The caption with its & letter underlined, the plain caption and that letter."""
    m = re.match(r'(.*?)&(.)(.*)', text)
    if not m:
        return html.escape(text), text, ''
    a, k, b = (html.escape(t) for t in m.groups())
    return f'{a}<u>{k}</u>{b}', ''.join(m.groups()), k.lower()


def menu(i, depth):
    """The items of the menu whose BEGIN is at line i; returns (html, next line)."""
    assert lines[i].strip() == 'BEGIN'
    i += 1
    out = []
    while lines[i].strip() != 'END':
        item = lines[i].strip()
        if item == 'MENUITEM SEPARATOR':
            out.append('<li role="separator"></li>')
            i += 1
        elif item.startswith('POPUP'):
            text, plain, key = caption(re.match(r'POPUP "(.*)"', item).group(1))
            inner, i = menu(i + 1, depth + 1)
            stop = '0' if depth == 0 and not out else '-1'
            access = f' data-key="{key}"' if key else ''
            out.append(f'<li role="none"><button role="menuitem" tabindex="{stop}" '
                       f'aria-haspopup="menu" aria-expanded="false"{access}>{text}</button>'
                       f'<ul role="menu" aria-label="{html.escape(plain)}">{inner}</ul></li>')
        else:
            m = re.match(r'MENUITEM "(.*)", (\w+)', item)
            text, _, _ = caption(m.group(1))
            key = (f' data-ctrl="{ctrl[m.group(2)]}" aria-keyshortcuts="Control+{ctrl[m.group(2)]}"'
                   if m.group(2) in ctrl else '')
            out.append(f'<li role="none"><button role="menuitem" tabindex="-1" '
                       f'data-command="{ids[m.group(2)]}"{key}>{text}</button></li>')
            i += 1
    return ''.join(out), i + 1


def dialog_part(name, part):
    """Dialog `name`'s caption, or its static texts as paragraphs."""
    start = next(i for i, l in enumerate(lines) if re.match(name + r' DIALOG', l))
    if part == 'CAPTION':
        return re.match(r'CAPTION "(.*)"', lines[start + 2]).group(1)
    texts = []
    for l in lines[start:]:
        if l == 'END':
            break
        m = re.match(r'\s*CONTROL "(.*)",( -1,|$)', l)
        if m:
            texts.append(f'<p>{html.escape(m.group(1))}</p>')
    return ''.join(texts)


start = next(i for i, l in enumerate(lines) if l == 'IDR_MAIN_MENU MENU')
bar, _ = menu(start + 1, 0)
page = open(template).read()
page = page.replace('@MENU@', f'<ul id="menubar" role="menubar" aria-label="Menu">{bar}</ul>')
page = re.sub(r'@(CAPTION|TEXTS) (\w+)@', lambda m: dialog_part(m.group(2), m.group(1)), page)
page = re.sub(r'@(\w+)@', lambda m: ids[m.group(1)], page)
open(out, 'w').write(page)


def control_rule(name, kind, x, y, width, height):
    """Where the page puts the control the window places at (x, y), scaled
    by --s. A checkbox is a 24-pixel target centred on the window's box,
    standing on the box's lower edge (.box keeps it clear of the knobs)."""
    x, y, width, height = (int(v) for v in (x, y, width, height))
    px = lambda v: f'calc(var(--s) * {v}px)'
    if kind == 'Checkbox':
        rule = f'left: calc(var(--s) * {x + width / 2}px - 12px); --bottom: {y + height}px;'
    else:
        rule = f'left: {px(x)}; top: {px(y)}; width: {px(width)}; height: {px(height)};'
    return f'[data-control="{ids[name]}"] {{ {rule} }}'


controls = re.findall(r'^KZ_CONTROL\((\w+), (\w+), "[^"]*", (\d+), (\d+), (\d+), (\d+)\)',
                      open(rc.rsplit('/', 1)[0] + '/controls.def').read(), re.M)
css = open(css_in).read().replace('/* @CONTROLS@ */', '\n'.join(control_rule(*c) for c in controls))
open(css_out, 'w').write(css)
