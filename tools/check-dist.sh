#!/usr/bin/env bash
# What a Linux desktop program is held to, checked on the Debian package and
# what it installs: desktop-file-validate, appstreamcli, man's own warnings,
# lintian. Fails on an error or a warning of any of them. With --install
# (CI's throw-away machine) the package is also installed with apt, used and
# removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash tools/make-deb.sh | tail -n 1)
stage=build/package/deb/debian/orvane/usr
failed=0
fail() {
  echo "check-dist: $*" >&2
  failed=1
}

desktop-file-validate "$stage"/share/applications/*.desktop || fail "desktop-file-validate"

for metainfo in "$stage"/share/metainfo/*.xml; do
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
  grep -E '^[EW]:' <<<"$report" && fail "appstreamcli: $metainfo"
done

for page in "$stage"/share/man/man6/*.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || fail "man: $page"
  [ -z "$warnings" ] || fail "man: $page: $warnings"
done

lintian --fail-on error,warning "$deb" || fail "lintian: $deb"

if [ "${1:-}" = "--install" ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get install -y -q "$deb" >/dev/null
  man -w 6 orvanectl >/dev/null || fail "man 6 orvanectl is not found"
  [ "$(/usr/games/orvanectl --version)" = "$(/usr/games/orvane --version | sed 's/^orvane/orvanectl/')" ] ||
    fail "the installed programs' versions differ"
  [ -f /usr/share/bash-completion/completions/orvanectl ] || fail "no bash completion"
  $SUDO apt-get remove -y -q orvane >/dev/null
fi

[ "$failed" -eq 0 ] && echo "check-dist: $deb passes"
exit "$failed"
