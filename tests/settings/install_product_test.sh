#!/usr/bin/env bash
# The installer step on a fresh home folder: it creates the product folder
# with every product file, and a second run adds only what is missing,
# leaving the user's own files as they are.
# Usage: install_product_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir="$1"
build_dir="$2"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$home" XDG_CONFIG_HOME="$home/.config"
product="$home/Documents/Zindra"
"$source_dir/scripts/install-product" "$build_dir" >/dev/null

for name in zindratips.ini Zindras.rtf zindra.html help.css ot167.rtf ot570.rtf ot060.rtf ot161.rtf \
            ot162.rtf ot197.rtf ot163.rtf ot164.rtf; do
  [ -s "$product/$name" ] || fail "$name missing after the first run"
done
[ ! -e "$product/custom.rtf" ] || fail "custom.rtf is the user's to make"
grep -q '^\[TipoftheDay\]' "$product/zindratips.ini" || fail "no TipoftheDay section"

# The user's changes and own files survive a second run; a lost file comes back.
printf '[TipoftheDay]\nEnabled=0\n' > "$product/zindratips.ini"
echo "my labels" > "$product/custom.rtf"
rm "$product/ot161.rtf"
"$source_dir/scripts/install-product" "$build_dir" >/dev/null
[ "$(cat "$product/zindratips.ini")" = "$(printf '[TipoftheDay]\nEnabled=0')" ] ||
  fail "the user's settings file was replaced"
[ "$(cat "$product/custom.rtf")" = "my labels" ] || fail "custom.rtf was touched"
[ -s "$product/ot161.rtf" ] || fail "a missing template was not added back"
ls "$product" | grep -q partial && fail "a partial copy was left behind"

# The folder follows the desktop's documents folder.
mkdir -p "$XDG_CONFIG_HOME"
echo 'XDG_DOCUMENTS_DIR="$HOME/Papers"' > "$XDG_CONFIG_HOME/user-dirs.dirs"
"$source_dir/scripts/install-product" "$build_dir" >/dev/null
[ -s "$home/Papers/Zindra/zindratips.ini" ] || fail "XDG_DOCUMENTS_DIR not followed"
echo "install-product: all checks passed"
