#!/usr/bin/env bash
# Reads an ADIF export back with the adif-parser-ts package (installed once under
# the build folder) and compares every record, field and length with the expected
# records. An unreachable npm registry fails the check: it never passes unread.
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: adif_check.sh NPM_PREFIX FILE.adi EXPECTED.json" >&2
  exit 2
fi
prefix=$1
adi=$2
expected=$3
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  echo "adif check FAILED: node and npm are needed (make deps installs them)" >&2
  exit 1
fi
if [ ! -f "$prefix/node_modules/adif-parser-ts/package.json" ]; then
  mkdir -p "$prefix"
  if ! timeout 240 npm install --prefix "$prefix" --no-audit --no-fund --loglevel=error \
      adif-parser-ts@0.7.7; then
    echo "adif check FAILED: npm could not install adif-parser-ts (is the npm registry reachable?)" >&2
    exit 1
  fi
fi

NODE_PATH="$prefix/node_modules" node "$here/adif_check.js" "$adi" "$expected"
