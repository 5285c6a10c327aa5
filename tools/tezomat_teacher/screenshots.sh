#!/bin/sh
# Draws the teacher's window and the class report for the README into
# docs/screenshots/ (or the folder given), under a virtual X display.
# Run from the repository root after a build: tools/tezomat_teacher/screenshots.sh
set -e
BUILD=${BUILD:-build}
OUT=${1:-docs/screenshots}
xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/tools/tezomat_teacher/teacher-screenshots" "$OUT"
