#!/usr/bin/env python3
"""Writes the page: the template with the window's menu bar and its Help and
About dialogs, read from the resource script, so captions, command ids and
the start-up greying are the program's own.
    make_page.py KudomatZub.rc resource_ids.h index.html.in index.html"""
import html
import re
import sys

rc, ids_h, template, out = sys.argv[1:5]
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
    """The caption with its & letter underlined, and that letter."""
    m = re.match(r'(.*?)&(.)(.*)', text)
    if not m:
        return html.escape(text), ''
    a, k, b = (html.escape(t) for t in m.groups())
    return f'{a}<u>{k}</u>{b}', k.lower()


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
            text, key = caption(re.match(r'POPUP "(.*)"', item).group(1))
            inner, i = menu(i + 1, depth + 1)
            top = ' class="top"' if depth == 0 else ''
            access = f' accesskey="{key}"' if key else ''
            out.append(f'<li{top}><button aria-haspopup="menu"{access}>{text}</button>'
                       f'<ul role="menu">{inner}</ul></li>')
        else:
            m = re.match(r'MENUITEM "(.*)", (\w+)(, GRAYED)?', item)
            text, _ = caption(m.group(1))
            grey = ' aria-disabled="true"' if m.group(3) else ''
            key = f' data-ctrl="{ctrl[m.group(2)]}"' if m.group(2) in ctrl else ''
            out.append(f'<li><button role="menuitem" data-command="{ids[m.group(2)]}"{grey}{key}>'
                       f'{text}</button></li>')
            i += 1
    return ''.join(out), i + 1


def dialog(name):
    """A <dialog> with the caption and the static texts of dialog `name`."""
    start = next(i for i, l in enumerate(lines) if re.match(name + r' DIALOG', l))
    title = re.match(r'CAPTION "(.*)"', lines[start + 2]).group(1)
    texts = []
    for l in lines[start:]:
        if l == 'END':
            break
        m = re.match(r'\s*CONTROL "(.*)",( -1,|$)', l)
        if m:
            texts.append(f'<p>{html.escape(m.group(1))}</p>')
    return (f'<dialog id="dialog-{ids[name]}" aria-label="{title}"><form method="dialog">'
            f'<h2>{title}</h2>{"".join(texts)}<button autofocus>OK</button></form></dialog>')


start = next(i for i, l in enumerate(lines) if l == 'IDR_MAIN_MENU MENU')
bar, _ = menu(start + 1, 0)
page = open(template).read()
page = page.replace('@MENU@', f'<ul id="menubar" role="menubar">{bar}</ul>')
page = page.replace('@DIALOGS@', dialog('IDD_HELP') + dialog('IDD_ABOUT'))
page = re.sub(r'@(\w+)@', lambda m: ids[m.group(1)], page)
open(out, 'w').write(page)
