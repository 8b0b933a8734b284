#!/usr/bin/env bash
# Installs what is missing, builds, and takes the pictures of README's "Using
# Skylet" from the real program, on an Xvfb of its own, into docs/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build
throwaway_prefix screenshot-prefix

contacts="$BUILD_DIR/screenshot-contacts.txt"
cat > "$contacts" <<'LIST'
alice@example.com online Alice Martin
bob@example.com busy Bob
carol@example.com away Carol Nguyen
dave@example.com offline Dave
erin@example.com phone Erin
LIST
wine reg add 'HKCU\Software\msgrsim' /v ContactFile /d "$(windows_path "$contacts")" /f >/dev/null
serve_simulator

mkdir -p "$REPO_DIR/docs"
wine "$BUILD_DIR/tools/screenshots/Screenshots.exe" "$(windows_path "$BUILD_DIR/app/Skylet.exe")" \
     "$(windows_path "$contacts")" "$(windows_path "$REPO_DIR/docs")"
stop_simulator
