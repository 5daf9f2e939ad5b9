#!/usr/bin/python3
# usage: uri_list_paths.py < URI-LIST
# Writes the local paths of a text/uri-list (what file managers copy) to standard output, each
# ended by a NUL, byte for byte; other URIs are left out.
import sys
import urllib.parse

for uri in sys.stdin.buffer.read().splitlines():
    if uri.startswith(b"file://"):
        sys.stdout.buffer.write(urllib.parse.unquote_to_bytes(uri[7:].decode("ascii")) + b"\0")
