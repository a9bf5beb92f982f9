#!/usr/bin/env bash
# Builds the client, creates the embedded demo database beside it when it is not
# there, and starts it as the launcher does: alias, account, employee number, user name.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages
build_project

BIN="$BUILD/src/app"
if [ ! -f "$BIN/databases.ini" ]; then
  printf '[DEMO]\r\nDriver=SQLITE\r\nFile=demo.db\r\n' > "$BIN/databases.ini"
fi
if [ ! -f "$BIN/demo.db" ]; then
  "$BUILD/tools/sportsdb" create --sqlite "$BIN/demo.db" --demo
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under a virtual one (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BIN/sports" DEMO TLUSER 20040001 "홍길동"
fi
exec "$BIN/sports" DEMO TLUSER 20040001 "홍길동"
