#!/usr/bin/env bash
# Installs every Debian package that building and testing Vellumbrix needs.
# Quiet when everything is present; runs apt-get update only when something
# is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libssl-dev libcurl4-openssl-dev curl time
    libjpeg62-turbo-dev libjpeg-turbo-progs jq
    nlohmann-json3-dev
    libsqlite3-dev libcpp-httplib-dev libpugixml-dev
    libpq-dev postgresql
    qt6-base-dev qt6-multimedia-dev fonts-dejavu-core fonts-dejavu-extra
    xvfb xauth
    chromium
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "setup-deps: installing ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
