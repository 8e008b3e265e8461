#!/usr/bin/env bash
# Formats every C++ file of the project with the clang-format version that
# .clang-format is written for (see scripts/check-format.sh).
exec bash "$(dirname "$0")/check-format.sh" --fix
