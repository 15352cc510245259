#!/usr/bin/env bash
# Builds the Debian packages the Debian way (debian/, debhelper) from a copy
# of the source tree, and leaves them in build-debian/: libzelvo5,
# libzelvo-dev, zelvo and zelvo-tool, their -dbgsym packages and the
# .changes file.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(dpkg-parsechangelog -S Version)
out=$PWD/build-debian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# dpkg-buildpackage writes beside the source tree: build in a copy of it,
# without build trees or version control.
mkdir "$work/zelvo-$version"
tar --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$work/zelvo-$version"
(cd "$work/zelvo-$version" && dpkg-buildpackage -us -uc -b)
rm -rf "$out"
mkdir -p "$out"
mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out/"
ls "$out"
