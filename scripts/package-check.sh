#!/usr/bin/env bash
# Builds the Debian package, validates the desktop data, installs the package and
# starts the installed game under Xvfb to see its window come up.
#   FLINKBLICK_PACKAGE_BUILD  build folder (default build/package)
# Exits 77 (skipped) when it cannot install packages, i.e. when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${FLINKBLICK_PACKAGE_BUILD:-build/package}"
id=io.github.flinkblick.Flinkblick
skip=77

fail() { echo "package check: FAILED: $*" >&2; exit 1; }

for tool in cmake cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli xvfb-run xwininfo xprop; do
  if ! command -v "$tool" >/dev/null; then
    # CI installs everything first, so there a missing tool is a fault, not a reason to skip.
    [[ -n "${CI:-}" ]] && fail "$tool is missing"
    echo "package check: skipped: $tool is missing (scripts/deps.sh test installs it)"
    exit $skip
  fi
done

echo "== build (Release) in $build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF -DFLINKBLICK_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target flinkblick >/dev/null

echo "== desktop-file-validate"
desktop-file-validate "data/$id.desktop"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "data/$id.metainfo.xml"

echo "== cpack -G DEB"
rm -f "$build"/flinkblick_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/flinkblick_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "expected one flinkblick_*.deb in $build, found: ${debs[*]}"
deb="$(realpath "${debs[0]}")"
echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"
contents="$(dpkg-deb -c "$deb")"
for f in usr/bin/flinkblick usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png; do
  grep -q " \./$f\$" <<<"$contents" || fail "$f is not in the package"
done
# Shared-library dependencies come from dpkg-shlibdeps; without them the package would install but not start.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"

if [[ $(id -u) -ne 0 ]]; then
  echo "package check: skipped the install and start test: it needs root (apt-get install -y $deb)"
  exit $skip
fi

echo "== apt-get install"
# Several build trees on one machine may run this at once; they share the one installed package.
exec 9>/tmp/flinkblick-package-check.lock
flock 9
installed_before=no
dpkg-query -W -f='${Status}' flinkblick 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >/dev/null
# Leave the machine as it was unless the package was there before.
[[ $installed_before == yes ]] || trap 'apt-get remove -y -qq -o DPkg::Lock::Timeout=120 flinkblick >/dev/null || true' EXIT
[[ -x /usr/bin/flinkblick ]] || fail "/usr/bin/flinkblick was not installed"

echo "== start /usr/bin/flinkblick under Xvfb"
# The real X11 platform, not the offscreen one the unit tests use.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/bin/flinkblick & pid=$!
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; echo "package check: FAILED: flinkblick ended early (exit $?)" >&2; exit 1
  fi
  status=0
  ids=$(xwininfo -root -tree | grep "\"Flinkblick\"" | awk "{print \$1}")
  viewable=""
  for w in $ids; do
    xwininfo -id "$w" | grep -q "Map State: IsViewable" && viewable=$w
  done
  if [[ -z $viewable ]]; then
    echo "package check: FAILED: no mapped window titled Flinkblick" >&2; status=1
  else
    # The launcher entry names this class, and the window icon comes from the resources.
    xprop -id "$viewable" WM_CLASS | grep -q "\"flinkblick\"" ||
      { echo "package check: FAILED: WM_CLASS is $(xprop -id "$viewable" WM_CLASS)" >&2; status=1; }
    xprop -id "$viewable" _NET_WM_ICON | head -c 200 | grep -qa "_NET_WM_ICON(CARDINAL)" ||
      { echo "package check: FAILED: the window has no icon" >&2; status=1; }
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  exit $status
'
echo "package check: ok"
