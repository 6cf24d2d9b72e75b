# SPDX-License-Identifier: GPL-3.0-or-later
"""Loads an installed 'Erase with Velmora' extension of GNOME Files or Caja
with stand-ins for the file manager's Python API, selects files whose names
hold spaces, newlines and bytes that are not UTF-8, activates the menu item,
and checks that velmora (a stub first in PATH) got exactly those paths.

    python3 filemanager_extension.py EXTENSION.py MODULE SCRATCH_DIR
"""

import os
import stat
import sys
import time
import types
from urllib.parse import quote_from_bytes

extension, module_name, scratch = sys.argv[1], sys.argv[2], sys.argv[3].encode()


class MenuItem:
    def __init__(self, **properties):
        self.properties = properties
        self.handlers = []

    def connect(self, signal, handler, *data):
        self.handlers.append((signal, handler, data))


class MenuProvider:
    pass


class GObjectBase:
    pass


gi = types.ModuleType("gi")
gi.require_version = lambda name, version: None
repository = types.ModuleType("gi.repository")
repository.GObject = types.SimpleNamespace(GObject=GObjectBase)
setattr(repository, module_name, types.SimpleNamespace(MenuProvider=MenuProvider, MenuItem=MenuItem))
gi.repository = repository
sys.modules["gi"] = gi
sys.modules["gi.repository"] = repository

loaded = types.ModuleType("velmora_erase")
with open(extension, encoding="utf-8") as source:
    exec(compile(source.read(), extension, "exec"), loaded.__dict__)


class FileInfo:
    def __init__(self, uri):
        self.uri = uri

    def get_uri(self):
        return self.uri


# The stub records its arguments, NUL-separated, as bytes.
bindir = os.path.join(scratch, b"bin")
os.makedirs(bindir, exist_ok=True)
out = os.path.join(scratch, b"argv")
stub = os.path.join(bindir, b"velmora")
with open(stub, "wb") as f:
    f.write(b'#!/bin/sh\nfor a in "$@"; do printf "%s\\0" "$a"; done > "$VELMORA_ARGV.tmp"\n'
            b'mv "$VELMORA_ARGV.tmp" "$VELMORA_ARGV"\n')
os.chmod(stub, stat.S_IRWXU)
os.environb[b"PATH"] = bindir + b":" + os.environb.get(b"PATH", b"/usr/bin:/bin")
os.environb[b"VELMORA_ARGV"] = out

names = [b"plain.txt", b"with space.pdf", b"new\nline", b"not-utf8-\xff\xfe", b"-starts-with-dash",
         "Zürich 100%".encode()]
paths = [os.path.join(scratch, name) for name in names]
files = [FileInfo("file://" + quote_from_bytes(p)) for p in paths]

provider = next(v for v in vars(loaded).values()
                if isinstance(v, type) and issubclass(v, MenuProvider) and v is not MenuProvider)()
for call in ((files,), (None, files)):  # GNOME Files 43; older ones and Caja
    items = provider.get_file_items(*call)
    assert len(items) == 1 and items[0].properties["label"] == "Erase with Velmora", items
assert provider.get_file_items([FileInfo("sftp://host/x")]) == [], "remote files offered"

signal, handler, data = items[0].handlers[0]
assert signal == "activate"
handler(items[0], *data)
for _ in range(100):
    if os.path.exists(out):
        break
    time.sleep(0.05)
with open(out, "rb") as f:
    got = f.read().split(b"\0")[:-1]
assert got == [b"--"] + paths, got
print("extension passes", len(paths), "paths as they are")
