#!/bin/sh
# Refreshes the Kannada interface translation from the word processor's
# sources and forms: new texts are added unfinished, existing translations
# are kept. Translate with Qt Linguist (linguist resources/translations/yavo_kn.ts);
# the build compiles the file with lrelease.
set -eu
cd "$(dirname "$0")/.."
lupdate -locations none -no-obsolete -target-language kn_IN -I wordprocessor -I common \
    wordprocessor/app wordprocessor/editor wordprocessor/formats common/widgets \
    -ts resources/translations/yavo_kn.ts
