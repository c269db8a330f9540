#!/usr/bin/env python3
"""Serves the page folder on 127.0.0.1: each file's brotli or gzip copy when
the browser takes it (Content-Encoding), the page's security policy, and
cache headers that make the browser ask again, cheaply, for files whose
names do not change from build to build (the service worker keeps them for
offline use). Prints the address once it listens, then one line per request
on stderr, as `python3 -m http.server` does; a client that goes away
mid-transfer ends its connection quietly. Given a command, it serves quietly
while the command runs, with {url} in it the address, and exits as it does.
    serve.py FOLDER PORT [COMMAND...]     (port 0: any free port)"""
import http.server
import os
import subprocess
import sys
import threading

folder, port = sys.argv[1], int(sys.argv[2])
kTypes = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
          '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm',
          '.webmanifest': 'application/manifest+json', '.png': 'image/png',
          '.ico': 'image/x-icon', '.svg': 'image/svg+xml'}
kEncodings = [('br', '.br'), ('gzip', '.gz')]


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'  # connections kept open: one handshake for the page's files

    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=folder, **kwargs)

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        kind = kTypes.get(os.path.splitext(path)[1])
        if not kind or not os.path.isfile(path):
            return super().send_head()
        accepted = [e.strip().split(';')[0] for e in self.headers.get('Accept-Encoding', '').split(',')]
        encoding, suffix = next(((e, s) for e, s in kEncodings
                                 if e in accepted and os.path.isfile(path + s)), (None, ''))
        f = open(path + suffix, 'rb')
        stat = os.fstat(f.fileno())
        tag = f'"{int(stat.st_mtime_ns)}-{stat.st_size}"'
        if self.headers.get('If-None-Match') == tag:
            f.close()
            self.send_response(304)
            self.send_header('ETag', tag)
            self.end_headers()
            return None
        self.send_response(200)
        self.send_header('Content-Type', kind)
        self.send_header('Content-Length', str(stat.st_size))
        if encoding:
            self.send_header('Content-Encoding', encoding)
        self.send_header('Vary', 'Accept-Encoding')
        self.send_header('ETag', tag)
        self.send_header('Cache-Control', 'no-cache')
        self.send_header('X-Content-Type-Options', 'nosniff')
        self.end_headers()
        return f

    def log_message(self, *args):
        if not quiet:
            super().log_message(*args)


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):  # the browser went away
            super().handle_error(request, client_address)


quiet = len(sys.argv) > 3
server = Server(('127.0.0.1', port), Handler)
url = f'http://127.0.0.1:{server.server_address[1]}/'
if quiet:
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.exit(subprocess.call([a.replace('{url}', url) for a in sys.argv[3:]]))
print(f'Kudomat Zub: {url}', flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
