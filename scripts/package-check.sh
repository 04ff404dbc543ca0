#!/usr/bin/env bash
# Builds the Debian package, runs lintian and hardening-check on it, builds it a second
# time elsewhere to see that the bytes are the same, validates the desktop data,
# installs the package, reads its manual pages with man and starts the installed game
# under Xvfb to see its window come up.
#   FLINKBLICK_PACKAGE_BUILD  build folder (default build/package)
# Exits 77 (skipped) when it cannot install packages, i.e. when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${FLINKBLICK_PACKAGE_BUILD:-build/package}"
id=io.github.flinkblick.Flinkblick
skip=77

fail() { echo "package check: FAILED: $*" >&2; exit 1; }

for tool in cmake cpack dpkg-deb dpkg-shlibdeps dpkg-buildflags file desktop-file-validate appstreamcli lintian hardening-check \
            cmp faketime man xvfb-run xwininfo xprop; do
  if ! command -v "$tool" >/dev/null; then
    # CI installs everything first, so there a missing tool is a fault, not a reason to skip.
    [[ -n "${CI:-}" ]] && fail "$tool is missing"
    echo "package check: skipped: $tool is missing (scripts/deps.sh test installs it)"
    exit $skip
  fi
done

tmp="$(mktemp -d)"
cleanup() { rm -rf "$tmp"; }
trap cleanup EXIT

package_options=(-DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF -DFLINKBLICK_BENCH=OFF -DFLINKBLICK_PACKAGE=ON)
echo "== build (Release, Debian's build flags) in $build"
cmake -S . -B "$build" "${package_options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target flinkblick >/dev/null

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
# Debian's layout for a game: the program in /usr/games, its manual page in section 6.
for f in usr/games/flinkblick usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
         usr/share/man/man6/flinkblick.6.gz usr/share/man/de/man6/flinkblick.6.gz \
         usr/share/doc/flinkblick/changelog.Debian.gz usr/share/doc/flinkblick/copyright; do
  grep -q " \./$f\$" <<<"$contents" || fail "$f is not in the package"
done
! grep -q " \./usr/bin/flinkblick\$" <<<"$contents" || fail "the package still has usr/bin/flinkblick"
# Shared-library dependencies come from dpkg-shlibdeps; without them the package would install but not start.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries"

dpkg-deb -x "$deb" "$tmp/deb"
echo "== desktop-file-validate (as packaged)"
desktop-file-validate "$tmp/deb/usr/share/applications/$id.desktop"
exec_line="$(grep '^Exec=' "$tmp/deb/usr/share/applications/$id.desktop")"
[[ $exec_line == "Exec=/usr/games/flinkblick" ]] || fail "the packaged launcher says $exec_line"
version="$(dpkg-deb -f "$deb" Version)"
head -n1 <(gzip -dc "$tmp/deb/usr/share/doc/flinkblick/changelog.Debian.gz") | grep -qF "flinkblick ($version)" ||
  fail "the changelog's latest entry is not version $version"

echo "== lintian"
# Any error or warning fails; information and pedantic tags are shown. (Not
# --show-overrides: with it lintian counts the overridden tag as a failure.)
lintian --display-info --pedantic --fail-on error,warning "$deb" ||
  fail "lintian reports errors or warnings (above)"

echo "== hardening-check"
# PIE, stack protector, RELRO and bind-now, as dpkg-buildflags gives them. Not judged:
# control-flow protection, which Debian 12's dpkg-buildflags does not give; and
# fortify, which is compiled in but finds no call to guard: the only candidates are
# the standard library's memmove calls of run-time sizes.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/games/flinkblick >"$tmp/flinkblick"
hardening-check --nocfprotection --nofortify "$tmp/flinkblick" || fail "hardening-check (above)"

echo "== the same package again: another folder, a day later, another umask"
# The sources as they stand, uncommitted changes and new files included, copied with new file
# times to a folder of their own and built in another. The copy has no repository:
# GIT_DIR lends it this one, so both builds take the date of the same last commit.
again="$tmp/again"
mkdir -p "$again/src"
if [[ $(git rev-parse --show-toplevel 2>/dev/null) == "$(pwd -P)" ]]; then
  git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xmf - -C "$again/src"
  git_dir="$(git rev-parse --absolute-git-dir)"
else
  tar --exclude=./build -cf - . | tar -xmf - -C "$again/src"
  git_dir=""
fi
other_umask=0077
[[ $(umask) == 0077 ]] && other_umask=0022
# A day and an hour later by the clock the build sees, so that __DATE__ and __TIME__
# would differ too; the monotonic clock stays true for the tools' timeouts.
later=(env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f +25h)
(
  umask "$other_umask"
  [[ -n $git_dir ]] && export GIT_DIR="$git_dir"
  "${later[@]}" cmake -S "$again/src" -B "$again/build" "${package_options[@]}" >/dev/null
  # Only the program and its pages, on two cores: this build only has to match.
  "${later[@]}" cmake --build "$again/build" -j2 --target flinkblick >/dev/null
  cd "$again/build" && "${later[@]}" cpack -G DEB >/dev/null
)
deb2="$(echo "$again"/build/flinkblick_*.deb)"
[[ -f $deb2 ]] || fail "the second build made no package"
if ! cmp -s "$deb" "$deb2"; then
  echo "the two packages differ: $deb and $deb2" >&2
  if command -v diffoscope >/dev/null; then
    diffoscope --text - --max-report-size 200000 "$deb" "$deb2" >&2 || true
  else
    # Without diffoscope: file list with modes, owners and times, then each file.
    diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$deb2") >&2 || true
    mkdir "$tmp/one" "$tmp/two"
    dpkg-deb -R "$deb" "$tmp/one" && dpkg-deb -R "$deb2" "$tmp/two"
    (cd "$tmp/one" && find . -type f | sort) | while read -r f; do
      cmp "$tmp/one/$f" "$tmp/two/$f" >&2 || true
    done
  fi
  fail "two builds of the same sources gave different packages (above)"
fi
echo "reproducible: $(sha256sum "$deb" | cut -d' ' -f1) from $build and $again/build"

echo "== cmake --install to a prefix of its own"
# Outside /usr the program stays in bin/, and the launcher points there.
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
[[ -x $tmp/prefix/bin/flinkblick && ! -e $tmp/prefix/games ]] || fail "cmake --install did not put the program in bin/"
desktop-file-validate "$tmp/prefix/share/applications/$id.desktop"
exec_line="$(grep '^Exec=' "$tmp/prefix/share/applications/$id.desktop")"
[[ $exec_line == "Exec=$tmp/prefix/bin/flinkblick" ]] || fail "the launcher under the prefix says $exec_line"

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
# --reinstall: a package of the same version from another tree may be installed already.
apt-get install --reinstall -y -qq -o DPkg::Lock::Timeout=120 "$deb" >/dev/null
# Leave the machine as it was unless the package was there before.
if [[ $installed_before == no ]]; then
  cleanup() { apt-get remove -y -qq -o DPkg::Lock::Timeout=120 flinkblick >/dev/null || true; rm -rf "$tmp"; }
fi
[[ -x /usr/games/flinkblick ]] || fail "/usr/games/flinkblick was not installed"
[[ ! -e /usr/bin/flinkblick ]] || fail "/usr/bin/flinkblick is still there"

echo "== man flinkblick"
# As a user would ask for it: English in the C locale, German with LANG=de_DE.UTF-8.
english=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C.UTF-8)
[[ $("${english[@]}" man -w flinkblick) == /usr/share/man/man6/flinkblick.6.gz ]] ||
  fail "man finds $("${english[@]}" man -w flinkblick) instead of the English page"
page="$("${english[@]}" man -P cat flinkblick 2>&1)"
grep -q '^HOW TO PLAY' <<<"$page" || fail "man flinkblick does not show the English page: $page"
german=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8)
if ! grep -qix 'de_DE\.utf-\?8' <<<"$(locale -a 2>/dev/null)"; then
  [[ -n "${CI:-}" ]] && fail "the locale de_DE.UTF-8 is missing (scripts/deps.sh test creates it)"
  echo "(the locale de_DE.UTF-8 is missing; asking man for German with -L de)"
  german=(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C.UTF-8 man -L de)
else
  german+=(man)
fi
[[ $("${german[@]}" -w flinkblick) == /usr/share/man/de/man6/flinkblick.6.gz ]] ||
  fail "man finds $("${german[@]}" -w flinkblick) instead of the German page"
page="$("${german[@]}" -P cat flinkblick 2>&1)"
grep -q '^SPIELANLEITUNG' <<<"$page" || fail "man flinkblick does not show the German page: $page"

# The program the launcher names, started as the desktop would start it.
program="$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")"
[[ $program == /usr/games/flinkblick ]] || fail "the installed launcher starts $program"
echo "== start $program under Xvfb"
# The real X11 platform, not the offscreen one the unit tests use.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & pid=$!
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
' bash "$program"
echo "package check: ok"
