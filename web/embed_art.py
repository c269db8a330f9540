#!/usr/bin/env python3
"""Writes a C++ source holding the program's bitmap files byte for byte, so
the page's program carries its art in its own data and needs no file system.
    embed_art.py OUT.cpp FILE.bmp..."""
import os
import sys

out, files = sys.argv[1], sorted(sys.argv[2:], key=os.path.basename)
lines = ['// Written by web/embed_art.py from resources/art: do not edit.',
         '#include "web/compiled_bitmaps.h"', '', 'namespace kz {', 'namespace {']
for n, path in enumerate(files):
    data = open(path, 'rb').read()
    rows = [', '.join(str(b) for b in data[i:i + 24]) for i in range(0, len(data), 24)]
    lines.append(f'const unsigned char kFile{n}[] = {{\n' + ',\n'.join(rows) + '};')
lines += ['}  // namespace', '', 'const ArtFile kArtFiles[] = {']
lines += [f'    {{"{os.path.basename(p)}", kFile{n}, sizeof kFile{n}}},' for n, p in enumerate(files)]
lines += ['};', 'const int kArtFileCount = sizeof kArtFiles / sizeof kArtFiles[0];', '', '}  // namespace kz', '']
open(out, 'w').write('\n'.join(lines))
