#!/bin/sh
# The files that make the module a desktop program, checked by the desktop's own tools:
# the menu entry, the AppStream metainfo and the manual pages (as lintian reads them).
# usage: desktop_files_check.sh SOURCE_DIR BUILD_DIR   (of app/module/desktop)
set -eu
source_dir=$1
build_dir=$2
status=0
desktop-file-validate "$source_dir/ms2416x.desktop" || status=1
appstreamcli validate --no-net --explain "$build_dir/com.korvane.ms2416x.metainfo.xml" || status=1
for page in "$build_dir"/man/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) || status=1
  if [ -n "$warnings" ]; then
    echo "$page: $warnings"
    status=1
  fi
done
exit $status
