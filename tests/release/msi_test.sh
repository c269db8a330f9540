#!/usr/bin/env bash
# The installer and the manifests. Everywhere: the winget and Scoop manifests
# agree field by field with the MSI's tables and the zip, and the tables make
# a per-user package. Under Wine, in a fresh prefix: msiexec installs into the
# user's profile with a Start-menu shortcut, an Apps & features entry and kzub
# on the PATH; the installed program passes the start-up group and the
# installed kzub composes (where 32-bit programs run); a higher version
# replaces it; msiexec /x leaves nothing behind.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
unset MAKEFLAGS MFLAGS MAKELEVEL
work=$(mktemp -d /tmp/kz-msi-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "msi_test: $*" >&2; exit 1; }

scripts/dist.sh >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
version=$(sed -n 's/^project(KudomatZub VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
msi=dist/KudomatZub-$version.msi zip=dist/KudomatZub-$version.zip
for table in Property Directory Upgrade Environment InstallExecuteSequence; do
  msiinfo export "$msi" "$table" | tr -d '\r' >"$work/$table"
done
msiinfo suminfo "$msi" >"$work/suminfo"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match dist"

python3 - "$work" "$version" "$msi" "$zip" <<'PY'
import glob, hashlib, json, os, re, sys, zipfile
import yaml
work, version, msi, zip_path = sys.argv[1:]
problems = []
def check(what, got, want):
    if got != want:
        problems.append(f"{what}: {got!r}, expected {want!r}")
def rows(table):  # the rows after msiinfo's three header lines
    with open(os.path.join(work, table)) as f:
        return [line.rstrip("\n").split("\t") for line in f.readlines()[3:]]
sha = lambda path: hashlib.sha256(open(path, "rb").read()).hexdigest()
prop = dict(row[:2] for row in rows("Property"))

# The installer's version: (year - 2000).minor.0, the release's own in a property.
year, minor = map(int, version.split("."))
check("ProductVersion", prop.get("ProductVersion"), f"{year - 2000}.{minor}.0")
check("ReleaseVersion", prop.get("ReleaseVersion"), version)
check("ProductName", prop.get("ProductName"), f"Kudomat Zub {version}")
# Per user: no ALLUSERS, no elevation asked (word count bit 8), and every folder
# installed to lies in the user's profile.
check("ALLUSERS", prop.get("ALLUSERS"), None)
summary = open(os.path.join(work, "suminfo")).read()
words = int(re.search(r"^Source: (\d+)", summary, re.M).group(1))
check("summary word count: compressed, no elevation", words & 10, 10)
check("summary template", re.search(r"^Template: (.*)$", summary, re.M).group(1), "Intel;1033")
parent = {row[0]: row[1] for row in rows("Directory")}
def root(d):
    while parent.get(d) not in (None, "", "TARGETDIR"):
        d = parent[d]
    return d
check("folders' roots", sorted({root(d) for d in parent if d != "TARGETDIR"}),
      ["LocalAppDataFolder", "ProgramMenuFolder"])
check("major upgrade rows", sorted((r[0], r[6]) for r in rows("Upgrade")),
      sorted([(prop["UpgradeCode"], "WIX_DOWNGRADE_DETECTED"), (prop["UpgradeCode"], "WIX_UPGRADE_DETECTED")]))
check("PATH entry", rows("Environment"), [["UserPath", "=-PATH", "[~];[INSTALLDIR]", "Programs"]])
sequence = {row[0]: row[2] for row in rows("InstallExecuteSequence")}
check("environment actions", (sequence.get("WriteEnvironmentStrings"), sequence.get("RemoveEnvironmentStrings")),
      ("5200", "3300"))

# winget: three files, each ManifestVersion 1.6.0 or later, one identifier and version.
folder = f"dist/winget/manifests/z/ZubWorkshop/KudomatZub/{version}"
docs = {}
for path in sorted(glob.glob(folder + "/*.yaml")):
    doc = yaml.safe_load(open(path, encoding="utf-8"))
    docs[doc.get("ManifestType")] = doc
    check(f"{path}: identifier", doc.get("PackageIdentifier"), "ZubWorkshop.KudomatZub")
    check(f"{path}: PackageVersion", doc.get("PackageVersion"), version)
    manifest_version = tuple(map(int, str(doc.get("ManifestVersion", "0")).split(".")))
    if manifest_version < (1, 6, 0):
        problems.append(f"{path}: ManifestVersion {manifest_version} is older than 1.6.0")
check("winget manifest types", sorted(docs), ["defaultLocale", "installer", "version"])
installer, locale = docs.get("installer", {}), docs.get("defaultLocale", {})
check("winget DefaultLocale", docs.get("version", {}).get("DefaultLocale"), locale.get("PackageLocale"))
check("winget InstallerType", installer.get("InstallerType"), "wix")
check("winget Scope", installer.get("Scope"), "user")
check("winget ProductCode", installer.get("ProductCode"), prop["ProductCode"])
entry = (installer.get("AppsAndFeaturesEntries") or [{}])[0]
check("winget AppsAndFeaturesEntries", entry,
      {"DisplayName": prop["ProductName"], "Publisher": prop["Manufacturer"], "DisplayVersion": prop["ProductVersion"],
       "ProductCode": prop["ProductCode"], "UpgradeCode": prop["UpgradeCode"]})
item = (installer.get("Installers") or [{}])[0]
check("winget InstallerSha256", item.get("InstallerSha256", "").lower(), sha(msi))
check("winget InstallerUrl", item.get("InstallerUrl", "").rsplit("/", 2)[-2:], [version, os.path.basename(msi)])
check("winget Architecture", item.get("Architecture"), "x86")
check("winget Publisher", locale.get("Publisher"), prop["Manufacturer"])
check("winget PackageName", locale.get("PackageName"), "Kudomat Zub")
for key in ("License", "ShortDescription"):
    if not locale.get(key):
        problems.append(f"winget defaultLocale has no {key}")

# Scoop: the portable zip; what it runs and links to is in the zip.
scoop = json.load(open("dist/scoop/kudomat-zub.json", encoding="utf-8"))
names = zipfile.ZipFile(zip_path).namelist()
check("scoop version", scoop.get("version"), version)
check("scoop hash", scoop.get("hash"), sha(zip_path))
check("scoop url", scoop.get("url", "").rsplit("/", 2)[-2:], [version, os.path.basename(zip_path)])
check("scoop bin", scoop.get("bin"), "kzub.exe")
check("scoop shortcuts", scoop.get("shortcuts"), [["KudomatZub.exe", "Kudomat Zub"]])
check("scoop's programs in the zip", all(n in names for n in ("kzub.exe", "KudomatZub.exe")), True)
found = re.search(scoop["checkver"]["regex"], os.path.basename(zip_path))
check("scoop checkver finds the version", found and found.group(1), version)
check("scoop autoupdate url", scoop["autoupdate"]["url"].replace("$version", version), scoop.get("url"))
check("scoop autoupdate hash", scoop["autoupdate"]["hash"], {"url": "$baseurl/SHA256SUMS"})
if problems:
    sys.exit("msi_test: " + "\n  ".join(["the manifests or the tables are wrong:"] + problems))
print(f"msi_test: manifests agree with the MSI and the zip; per-user tables; {version} is installer version {prop['ProductVersion']}")
PY

# Under Wine, in a prefix made afresh.
source scripts/wine-env.sh
kz_choose_build
prefix=$root/build/wine-msi
rm -rf "$prefix"
kz_wine_session "$KZ_BUILD" "$prefix"
trap 'kz_wine_stop; rm -rf "$work"' EXIT
# No desktop entries in the Linux home for the shortcut.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
product=$(awk -F'\t' '$1 == "ProductCode" { print $2 }' "$work/Property")
for user_dir in "$prefix"/drive_c/users/*; do [ "${user_dir##*/}" != Public ] && [ -d "$user_dir/AppData/Local" ] && break; done
installed=$user_dir/AppData/Local/Programs/Kudomat\ Zub
shortcut=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kudomat\ Zub.lnk
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
[ "$KZ_BUILD" = win32 ] || uninstall='Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
msiexec() {  # what, arguments
  local what=$1; shift
  "$KZ_WINE" msiexec "$@" /qn /l*v "$work/$what.log" >/dev/null 2>&1 ||
    { tail -20 "$work/$what.log" >&2; fail "msiexec $* failed"; }
}
entries() { "$KZ_WINE" reg query "HKLM\\$uninstall" /s 2>/dev/null | tr -d '\r' | grep -c 'DisplayName.*Kudomat Zub' || true; }
entry() { "$KZ_WINE" reg query "HKLM\\$uninstall\\$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
user_path() { "$KZ_WINE" reg query 'HKCU\Environment' /v PATH 2>/dev/null | tr -d '\r' | sed -n 's/^ *PATH *REG_[A-Z_]* *//p'; }

msiexec install /i "$msi"
[ -f "$installed/KudomatZub.exe" ] && [ -f "$installed/kzub.exe" ] || fail "the programs are not in $installed"
! ls -d "$prefix"/drive_c/Program\ Files*/Kudomat* >/dev/null 2>&1 || fail "files went to Program Files"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ "$(entry "$product" DisplayVersion)" = "$(awk -F'\t' '$1 == "ProductVersion" { print $2 }' "$work/Property")" ] &&
  [ "$(entry "$product" Publisher)" = "Zub workshop" ] && [ -n "$(entry "$product" HelpLink)" ] &&
  [ "$(entry "$product" InstallLocation)" = "C:\\users\\${user_dir##*/}\\AppData\\Local\\Programs\\Kudomat Zub\\" ] ||
  fail "the Uninstall key of $product is missing or wrong"
case ";$(user_path);" in *";C:\\users\\"*"\\AppData\\Local\\Programs\\Kudomat Zub\\;"*) ;;
  *) fail "kzub's folder is not on the user's PATH: $(user_path)" ;; esac
echo "msi_test: installed into ${installed#"$prefix"/}, with the shortcut, the Uninstall key and the PATH entry"

if [ "$KZ_BUILD" = win32 ]; then
  [ -f build/win32/tests/e2e/kzdriver.exe ] || scripts/build.sh win32 >/dev/null
  "$KZ_WINE" build/win32/tests/e2e/kzdriver.exe startup --exe "$installed/KudomatZub.exe" \
    --probe build/win32/tests/e2e/kzprobe.dll --art resources/art >"$work/startup" 2>&1 ||
    { cat "$work/startup" >&2; fail "the installed program failed the start-up group"; }
  # A new command prompt finds kzub through the PATH the installer set.
  lines=$("$KZ_WINE" cmd /c kzub --seed 1 --count 3 2>"$work/kzub" | tr -d '\r' | grep -c . || true)
  [ "$lines" = 3 ] || { cat "$work/kzub" >&2; fail "the installed kzub printed $lines comments, not 3"; }
  echo "msi_test: the installed program passed the start-up group; the installed kzub, found on the PATH, composed"
else
  echo "msi_test: skipped starting the installed 32-bit programs: $KZ_WHY"
fi

# A higher version, the next minor release, replaces it: one entry, the new one.
minor=${version#*.}
packaging/msi.sh "${version%%.*}.$(( ${minor%%.*} + 1 ))" build/dist/release "$work/higher.msi" \
  "$(date +%s)" https://example.org/ >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
higher=$(msiinfo export "$work/higher.msi" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')
msiexec upgrade /i "$work/higher.msi"
[ "$(entries)" = 1 ] && [ -z "$(entry "$product" DisplayName)" ] && [ -n "$(entry "$higher" DisplayName)" ] ||
  fail "after the upgrade: $(entries) entries; the old one should be gone and the new one there"
[ -f "$installed/KudomatZub.exe" ] && [ -f "$shortcut" ] || fail "the upgrade left no program or shortcut"
# and the older one is refused over it (Wine's exit status is 1603's low byte).
! "$KZ_WINE" msiexec /i "$msi" /qn >/dev/null 2>&1 && [ -n "$(entry "$higher" DisplayName)" ] ||
  fail "the older version went in over the newer one"
echo "msi_test: version $(entry "$higher" DisplayVersion) replaced the installed one, leaving one entry; the older one is refused over it"

msiexec uninstall /x "$work/higher.msi"
[ ! -e "$installed" ] || fail "msiexec /x left $installed"
[ ! -e "$shortcut" ] || fail "msiexec /x left the shortcut"
[ "$(entries)" = 0 ] || fail "msiexec /x left an Uninstall key"
case "$(user_path)" in *"Kudomat Zub"*) fail "msiexec /x left kzub's folder on the PATH" ;; esac
! "$KZ_WINE" reg query 'HKCU\Software\Kudomat Zub' >/dev/null 2>&1 || fail "msiexec /x left HKCU\\Software\\Kudomat Zub"
echo "msi_test: msiexec /x removed the files, the shortcut, the Uninstall key and the PATH entry"
kz_wine_stop
rm -rf "$prefix"
