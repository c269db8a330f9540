#!/usr/bin/env python3
"""Writes the page: the template with the window's menu bar, from the
command list, and the captions and texts of its Help and About dialogs, so
captions and command ids are the program's own. The menu bar is written as
an ARIA menubar: one Tab stop, the list items presentational.
The style sheet gets the window's child-control layout from controls.def.
    make_page.py RESOURCES index.html.in index.html kudomat_zub.css.in kudomat_zub.css
RESOURCES is the folder of commands.def, styles.def, controls.def,
resource_ids.h and dialog_texts.h."""
import html
import re
import sys

resources, template, out, css_in, css_out = sys.argv[1:6]
read = lambda name: open(f'{resources}/{name}').read()
ids = dict(re.findall(r'#define (\w+) (\d+)', read('resource_ids.h')))
texts = dict(re.findall(r'#define (KZ_\w+) "(.*)"', read('dialog_texts.h')))

# The command list's lines from the first command on, the style list written
# in where it is included, as the preprocessor does.
commands = read('commands.def').replace('#include "styles.def"', read('styles.def'))
lines = [l.strip() for l in commands.splitlines() if re.match(r'\s*KZ_(MENU|END_MENU|SEPARATOR|ITEM|STYLE)\b', l)]


def caption(text):
    """The caption with its & letter underlined, the plain caption and that letter."""
    m = re.match(r'(.*?)&(.)(.*)', text)
    if not m:
        return html.escape(text), text, ''
    a, k, b = (html.escape(t) for t in m.groups())
    return f'{a}<u>{k}</u>{b}', ''.join(m.groups()), k.lower()


def item(line):
    """A menu item: its id, its caption and its Ctrl key, if any."""
    m = re.match(r'KZ_ITEM\((\w+), (\d+), "([^"]*)", (\w+), "([^"]*)"', line)
    if m:
        ids[m.group(1)] = m.group(2)
        return m.group(2), m.group(3), m.group(5) if m.group(4) == 'Ctrl' else ''
    m = re.match(r'KZ_STYLE\((\w+), (\d+), "([^"]*)"', line)
    ids[m.group(1)] = m.group(2)
    return m.group(2), m.group(3), ''


def menu(i, depth):
    """The items of the menu whose items start at line i; returns (html, next line)."""
    out = []
    while lines[i] != 'KZ_END_MENU':
        line = lines[i]
        if line == 'KZ_SEPARATOR':
            out.append('<li role="separator"></li>')
            i += 1
        elif line.startswith('KZ_MENU('):
            text, plain, key = caption(re.match(r'KZ_MENU\("(.*)"\)', line).group(1))
            inner, i = menu(i + 1, depth + 1)
            stop = '0' if depth == 0 and not out else '-1'
            access = f' data-key="{key}"' if key else ''
            out.append(f'<li role="none"><button role="menuitem" tabindex="{stop}" '
                       f'aria-haspopup="menu" aria-expanded="false"{access}>{text}</button>'
                       f'<ul role="menu" aria-label="{html.escape(plain)}">{inner}</ul></li>')
        else:
            command, text, ctrl = item(line)
            key = f' data-ctrl="{ctrl}" aria-keyshortcuts="Control+{ctrl}"' if ctrl else ''
            out.append(f'<li role="none"><button role="menuitem" tabindex="-1" '
                       f'data-command="{command}"{key}>{caption(text)[0]}</button></li>')
            i += 1
    return ''.join(out), i + 1


def dialog_part(name, part):
    """Dialog `name`'s caption, or its static texts as paragraphs."""
    prefix = 'KZ_' + name[len('IDD_'):] + '_'
    if part == 'CAPTION':
        return html.escape(texts[prefix + 'CAPTION'])
    return ''.join(f'<p>{html.escape(texts[k])}</p>' for k in texts if k.startswith(prefix + 'TEXT_'))


lines.append('KZ_END_MENU')  # the menu bar's own end
bar, _ = menu(0, 0)
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
                      read('controls.def'), re.M)
css = open(css_in).read().replace('/* @CONTROLS@ */', '\n'.join(control_rule(*c) for c in controls))
open(css_out, 'w').write(css)
