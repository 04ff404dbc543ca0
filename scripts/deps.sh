#!/usr/bin/env bash
# Installs the Debian packages Flinkblick needs that are missing.
#   scripts/deps.sh run   – to build and play
#   scripts/deps.sh test  – to build and run the tests
set -euo pipefail

build_pkgs=(g++ cmake make qt6-base-dev)
# The fonts that stand in for the faces the game asks for: the third column of
# data/schriften.tsv, which the program and the package's dependencies read too.
mapfile -t font_pkgs < <(awk -F'\t' '!/^#/ && NF >= 3 && !seen[$3]++ { print $3 }' "$(dirname "$0")/../data/schriften.tsv")
[[ ${#font_pkgs[@]} -gt 0 ]] || { echo "data/schriften.tsv names no font packages" >&2; exit 1; }
font_pkgs+=(fontconfig)
# diffoscope-minimal shows how two package builds differ, faketime dates the second a
# day later; devscripts has hardening-check; librapidcheck-dev generates the runs
# the Leistungskurve's layout rules are checked on.
test_pkgs=(clang-format xvfb xauth libbenchmark-dev librapidcheck-dev valgrind gcovr imagemagick x11-utils dpkg-dev file desktop-file-utils appstream
           lintian man-db locales diffoscope-minimal faketime devscripts)

wanted=("${build_pkgs[@]}" "${font_pkgs[@]}")
if [[ "${1:-run}" == test ]]; then wanted+=("${test_pkgs[@]}"); fi
if [[ -n "${FLINKBLICK_EXTRA_PKGS:-}" ]]; then read -ra extra <<<"$FLINKBLICK_EXTRA_PKGS"; wanted+=("${extra[@]}"); fi

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installiere fehlende Pakete: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # New fonts are found only once fontconfig has read them.
  fc-cache -f >/dev/null 2>&1 || true
fi

# The package check reads the German manual page as a German desktop does, with
# LANG=de_DE.UTF-8; man falls back to English unless that locale exists.
if [[ "${1:-run}" == test ]] && ! grep -qix 'de_DE\.utf-\?8' <<<"$(locale -a 2>/dev/null)"; then
  echo "Erzeuge das Gebietsschema de_DE.UTF-8"
  "${sudo[@]}" sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
