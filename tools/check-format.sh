#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted as .clang-format says; prints which.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
