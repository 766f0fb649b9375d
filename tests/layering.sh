#!/usr/bin/env bash
# The model and the store reach Qt only through src/platform, and the
# platform headers they include must not pull Qt in either.
set -u
src=$1
status=0
if grep -rnE '#include *<Q' "$src/game" "$src/store"; then
  echo "src/game and src/store must not include Qt headers"; status=1
fi
for h in $(grep -rhoE '#include *"platform/[A-Za-z]+\.h"' "$src/game" "$src/store" | sed -E 's/.*"(.*)"/\1/' | sort -u); do
  if grep -nE '#include *<Q' "$src/$h"; then
    echo "$h is used by the model or the store and must stay free of Qt"; status=1
  fi
done
exit $status
