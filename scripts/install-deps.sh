#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and only those that are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev
    libsqlite3-dev libsqlitecpp-dev
    unixodbc-dev odbcinst libsqliteodbc odbc-mdbtools odbc-postgresql postgresql
    mdbtools mdbtools-dev
    fonts-wine
    strace
)

missing=()
for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
else
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
