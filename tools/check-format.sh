#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from the house format (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(find tavisto quennet tools -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "check-format: ${#sources[@]} files in the house format"
