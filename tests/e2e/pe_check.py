#!/usr/bin/env python3
# A Windows program is of its machine and subsystem, imports only system DLLs and holds one
# manifest (id 1): as invoker, Windows 7 to 11, Common Controls 6, per-monitor DPI aware v2.
#   pe_check.py OBJDUMP WINDRES FORMAT SUBSYSTEM PROGRAM.exe
import os, re, struct, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

objdump, windres, form, subsystem, exe = sys.argv[1:6]
dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
assert f"file format {form}\n" in dump, f"{exe}: not {form}"
assert re.search(rf"\nSubsystem\s+0000000{subsystem}", dump), f"{exe}: not of subsystem {subsystem}"
dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
assert dlls <= {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "ole32.dll", "oleacc.dll",
                "oleaut32.dll"}, f"{exe} imports {dlls}"
with tempfile.TemporaryDirectory() as folder:  # windres writes a .res to a file only
    out = os.path.join(folder, "x.res")
    if subprocess.run([windres, "-i", exe, "-O", "res", "-o", out], capture_output=True).returncode:
        sys.exit(f"{exe}: holds no resources, so no manifest")
    res = open(out, "rb").read()
manifests, at = [], 0
while at + 8 <= len(res):  # entries: data size, header size, type, name (0xFFFF and a number, or text)
    size, header, *kind = struct.unpack_from("<IIHH", res, at)
    if kind == [0xFFFF, 24]:
        name = struct.unpack_from("<HH", res, at + 12)
        manifests.append((name[1] if name[0] == 0xFFFF else "text", res[at + header:at + header + size]))
    at += (header + size + 3) & ~3
assert [name for name, _ in manifests] == [1], f"{exe}: manifests {[n for n, _ in manifests]}"

ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
      "c": "urn:schemas-microsoft-com:compatibility.v1",
      "a": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
      "b": "http://schemas.microsoft.com/SMI/2016/WindowsSettings"}
root = ET.fromstring(manifests[0][1])
level = root.find("v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel", ns)
assert level is not None and level.get("level") == "asInvoker", "not asInvoker"
systems = {e.get("Id") for e in root.findall("c:compatibility/c:application/c:supportedOS", ns)}
assert systems == {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                   "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}, systems
controls = [e for e in root.findall("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", ns)
            if e.get("name") == "Microsoft.Windows.Common-Controls"]
assert [(e.get("version"), e.get("processorArchitecture")) for e in controls] == [("6.0.0.0", "*")], \
    "not Common Controls 6 for any processor"
settings = "v3:application/v3:windowsSettings/"
assert [root.findtext(settings + tag, None, ns) for tag in ("b:dpiAwareness", "a:dpiAware")] == ["PerMonitorV2", "true/pm"], "DPI"
print(f"{exe}: {form}, subsystem {subsystem}, imports {sorted(dlls)}; one manifest, asInvoker, Windows 7-11, "
      "Common Controls 6 (*), PerMonitorV2")
