#!/usr/bin/env bash
# Prints the machine the figures were taken on. Source it for `machine_line`.
machine_line() {
  local cpu qt
  cpu=$(awk -F': *' '/^model name/ {print $2; exit}' /proc/cpuinfo)
  qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || true)
  [[ -z "$qt" ]] && qt=$(qtpaths6 --qt-version 2>/dev/null || echo unknown)
  echo "$(nproc) cores, ${cpu:-unknown CPU}, Qt ${qt}, $(uname -sr), load average $(cut -d' ' -f1-3 /proc/loadavg)"
}
if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then machine_line; fi
