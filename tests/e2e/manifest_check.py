#!/usr/bin/env python3
"""A program holds exactly one manifest, and it says what Windows is to know:
run as the invoker, Windows 7 to 11, Common Controls 6 for any processor,
per-monitor DPI awareness (v2, with the older form as fallback).

    manifest_check.py WINDRES PROGRAM.exe
"""
import os, struct, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

windres, exe = sys.argv[1:3]
with tempfile.TemporaryDirectory() as folder:  # windres writes a .res to a file only
    out = os.path.join(folder, "x.res")
    if subprocess.run([windres, "-i", exe, "-O", "res", "-o", out], capture_output=True).returncode:
        sys.exit(f"{exe}: holds no resources, so no manifest")
    res = open(out, "rb").read()


def ident(data, at):  # a .res type or name: 0xFFFF and a number, or a UTF-16 string
    if data[at:at + 2] == b"\xff\xff":
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = data.index(b"\0\0", at)
    end += (end - at) % 2
    return data[at:end].decode("utf-16-le"), end + 2


manifests, at = [], 0
while at + 8 <= len(res):
    size, header = struct.unpack_from("<II", res, at)
    kind, after = ident(res, at + 8)
    name, _ = ident(res, after)
    if kind == 24:
        manifests.append((name, res[at + header:at + header + size]))
    at += (header + size + 3) & ~3
assert len(manifests) == 1, f"{exe}: {len(manifests)} manifests"
name, text = manifests[0]
assert name == 1, f"{exe}: the manifest's id is {name}, not 1"

ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
      "c": "urn:schemas-microsoft-com:compatibility.v1",
      "ws05": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
      "ws16": "http://schemas.microsoft.com/SMI/2016/WindowsSettings"}
root = ET.fromstring(text)
level = root.find("v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel", ns)
assert level is not None and level.get("level") == "asInvoker", "not asInvoker"
systems = {e.get("Id") for e in root.findall("c:compatibility/c:application/c:supportedOS", ns)}
want = {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}
assert systems == want, f"supportedOS {sorted(systems)}"
controls = [e for e in root.findall("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", ns)
            if e.get("name") == "Microsoft.Windows.Common-Controls"]
assert len(controls) == 1 and controls[0].get("version") == "6.0.0.0", "no Common Controls 6"
assert controls[0].get("processorArchitecture") == "*", "Common Controls not for any processor"
settings = "v3:application/v3:windowsSettings/"
assert root.findtext(settings + "ws16:dpiAwareness", None, ns) == "PerMonitorV2", "dpiAwareness"
assert root.findtext(settings + "ws05:dpiAware", None, ns) == "true/pm", "dpiAware"
print(f"{exe}: one manifest, asInvoker, Windows 7-11, Common Controls 6 (*), PerMonitorV2")
