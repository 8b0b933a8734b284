# Shared by run-skylet.sh and run-tests.sh: installs what a fresh Debian
# machine lacks, builds, and starts the display and Wine prefix to run in.

set -euo pipefail

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What every build needs, whichever Windows it is for: both mingw-w64
# compilers (the 32-bit build ships, the 64-bit one runs where 32-bit cannot),
# clang for the other builds, and what the tests drive.
PACKAGES=(cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev
          xvfb googletest fonts-wine xdotool x11-utils clang lld nsis)

log() { printf '== %s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The set-up step under way, named in the message of a step that fails.
STEP="setting up"
fail() {
    log "failed while $STEP: $*"
    STEP=
    exit 1
}

# Tries a 96-byte static i386 Linux program that exits with 42: a kernel
# without 32-bit support refuses it (Exec format error), as it refuses
# 32-bit Wine's loader.
runs_32bit_programs() {
    local probe="$REPO_DIR/build/.i386-probe"
    mkdir -p "${probe%/*}"
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000'\
'\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000'\
'\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\140\000\000\000'\
'\140\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >"$probe"
    chmod +x "$probe"
    local status=0
    ("$probe") 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" -eq 42 ]
}

# win32: the 32-bit build, which is what ships, under 32-bit Wine. win64: the
# x86_64 build under 64-bit Wine, for machines that cannot start 32-bit
# programs. SKYLET_ARCH chooses by hand.
choose_architecture() {
    case ${SKYLET_ARCH:-} in
        win32)
            runs_32bit_programs || fail "SKYLET_ARCH=win32, but this machine cannot start 32-bit programs"
            log "win32, as SKYLET_ARCH says" ;;
        win64)
            log "win64, as SKYLET_ARCH says" ;;
        "")
            if runs_32bit_programs; then
                SKYLET_ARCH=win32
                log "win32: this machine starts 32-bit programs, so the 32-bit build that ships runs"
            else
                SKYLET_ARCH=win64
                log "win64: this machine cannot start 32-bit programs, so the x86_64 build runs under 64-bit Wine"
            fi ;;
        *)
            fail "SKYLET_ARCH is win32 or win64, not '$SKYLET_ARCH'" ;;
    esac
    export SKYLET_ARCH
    if [ "$SKYLET_ARCH" = win32 ]; then
        TOOLCHAIN=i686-w64-mingw32
        WINE_LOADER=/usr/lib/wine/wine
        PACKAGES+=(wine wine32:i386)
    else
        TOOLCHAIN=x86_64-w64-mingw32
        WINE_LOADER=/usr/lib/wine/wine64
        PACKAGES+=(wine wine64)
    fi
    # Each architecture builds and keeps its prefixes apart: CMake keeps the
    # toolchain of an existing cache, and Wine refuses a prefix of the other.
    BUILD_DIR=${BUILD_DIR:-$REPO_DIR/build/$SKYLET_ARCH}
}
choose_architecture

missing_packages() {
    local package
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' \
            || printf '%s\n' "$package"
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages)
    if [ -n "$missing" ]; then
        STEP="installing $(echo $missing)"
        log "$STEP"
        if [[ $missing == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
            as_root dpkg --add-architecture i386 || fail "dpkg could not add the i386 architecture"
        fi
        as_root apt-get update -q || fail "apt-get update failed"
        # shellcheck disable=SC2086
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing \
            || fail "apt-get could not install them"
    fi
    use_wine_loader
}

# Every "wine" the scripts and CTest start is the chosen architecture's
# loader: Debian's wrapper would start 32-bit Wine whenever wine32 is
# installed, also where the kernel refuses it.
use_wine_loader() {
    STEP="starting Wine ($WINE_LOADER)"
    local shims="$BUILD_DIR/wine-loader"
    mkdir -p "$shims"
    printf '#!/bin/sh\nexec %s "$@"\n' "$WINE_LOADER" >"$shims/wine"
    chmod +x "$shims/wine"
    export PATH="$shims:$PATH" WINELOADER=$WINE_LOADER
    local version
    version=$(wine --version 2>&1) || fail "$version"
    log "$version ($WINE_LOADER)"
}

# Builds a folder with a toolchain; further arguments go to the build
# (--target dist). build alone builds all of the chosen architecture's.
build_with() {
    local dir=$1 toolchain=$2
    shift 2
    STEP="building $toolchain in $dir"
    log "$STEP"
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/toolchain-$toolchain.cmake" >/dev/null
    cmake --build "$dir" -j"$(nproc)" "$@"
}

build() {
    build_with "$BUILD_DIR" "$TOOLCHAIN"
}

# Wine runs quietly, without its Mono and Gecko installers, and with the
# Windows-1252 code page that the program's single-byte texts are written in
# (C.UTF-8 gives it, and unlike an ungenerated en_US.UTF-8 it passes
# non-ASCII command-line arguments intact).
wine_environment() {
    export WINEPREFIX=$1
    export WINEARCH=$SKYLET_ARCH
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export LANG=C.UTF-8
}

# Makes the prefix when it does not exist yet.
ensure_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        STEP="making Wine prefix $WINEPREFIX"
        log "$STEP"
        mkdir -p "$WINEPREFIX"
        # wineboot.exe through the chosen loader (Debian's wineboot goes through its wrapper).
        wine wineboot.exe -i >/dev/null 2>&1 || fail "wineboot -i exited with $?"
        # A crash exits with code 5 and a backtrace instead of a dialog that hangs a headless run.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wineserver -w
    fi
    wine_fonts_in_prefix
}

# Wine finds its bitmap faces ("Courier", "MS Sans Serif") only in the
# prefix's Fonts folder; fonts-wine puts them in Wine's data folder.
wine_fonts_in_prefix() {
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# No window manager runs on our own Xvfb: Wine must not wait for one, as it
# otherwise does for two seconds each time a resizable window is hidden.
without_window_manager() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Tells Wine whether the display has a window manager, as the display itself
# says (the EWMH check window on its root), whoever started it.
match_window_manager() {
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
    else
        log "no window manager on $DISPLAY"
        without_window_manager
    fi
}

# The Windows name of a Unix path, through the prefix's Z: drive.
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

# Starts Wine's own processes with their output away from ours, and keeps
# the desktop up until the prefix's server is stopped.
hold_desktop() {
    STEP="starting Wine's desktop"
    local ready="$BUILD_DIR/.desktop-ready"
    rm -f "$ready"
    wineserver -p || true  # already up when the prefix is in use
    wine "$BUILD_DIR/tests/support/HoldDesktop.exe" "$(windows_path "$ready")" >/dev/null 2>&1 &
    local tries=0
    until [ -e "$ready" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 600 ]; then
            log "Wine's desktop did not start"
            return 1
        fi
        sleep 0.1
    done
    rm -f "$ready"
}

XVFB_PID=

# Starts an Xvfb of our own on the first free display number. Two scripts
# started together may pick the same number: the loser's Xvfb exits, and it
# moves on to the next.
start_xvfb() {
    STEP="starting Xvfb"
    local n=90
    while :; do
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local tries=0
        until [ -e "/tmp/.X11-unix/X$n" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; do
            tries=$((tries + 1))
            if [ $tries -gt 100 ]; then
                log "Xvfb :$n did not start"
                return 1
            fi
            sleep 0.1
        done
        # The socket may be another Xvfb's that won the race.
        sleep 0.2
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            break
        fi
        wait "$XVFB_PID" 2>/dev/null || true
        n=$((n + 1))
        if [ $n -gt 200 ]; then
            log "no free X display"
            return 1
        fi
    done
    export DISPLAY=":$n"
    log "Xvfb on $DISPLAY (pid $XVFB_PID)"
}

stop_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}

stop_wineserver() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
    fi
}

# Stops what the script started when it ends, however it ends.
cleanup() {
    local status=$?
    stop_wineserver
    stop_xvfb
    if [ "$status" -ne 0 ] && [ -n "$STEP" ]; then
        log "failed while $STEP (exit $status)"
    fi
}
trap cleanup EXIT

# A throwaway prefix in the build folder, on an Xvfb of our own, with its
# desktop held, the messenger simulator registered and the stand-in voice in
# place of Wine's.
throwaway_prefix() {
    start_xvfb
    rm -rf "$BUILD_DIR/$1"
    wine_environment "$BUILD_DIR/$1"
    ensure_prefix
    without_window_manager
    hold_desktop
    register_simulator
    register_standin_voice
}

# Wine plays sounds through ALSA. With no sound card, ALSA's default device
# can record instead: given this .asoundrc under the HOME that Wine sees,
# each sound played appends one WAV (header, then the samples in the sound's
# own format) to the file, which starts empty. Call after wine_environment.
record_sounds_to() {
    local file=$1 home=${1%.wav}-home
    mkdir -p "$home"
    cat >"$home/.asoundrc" <<EOF
pcm.!default { type file; slave.pcm "null"; file "|cat >> '$file'"; format "wav" }
EOF
    : >"$file"
    export HOME=$home
    # ALSA even where a sound server runs, which Wine would otherwise prefer.
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv=d"
}

# A sound card, or a sound server that plays on one.
has_sound_card() {
    grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null \
        || [ -S "${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/pulse/native" ]
}

# The messenger simulator, which COM starts on demand as the messenger.
register_simulator() {
    STEP="registering the messenger simulator"
    wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" /regserver >/dev/null
}

# Wine's own voice speaks nothing and is slow to make; the stand-in answers
# at once and can record what it is asked to say (tests/support/StandInVoice.h).
register_standin_voice() {
    STEP="registering the stand-in voice"
    wine regsvr32 /s "$BUILD_DIR/tests/support/StandInVoice.dll" >/dev/null
}

SIMULATOR_PID=

# Keeps the simulator running, as a signed-in messenger is, so that every
# poll reaches the same server instead of starting one of its own.
serve_simulator() {
    STEP="starting the messenger simulator"
    local ready="$BUILD_DIR/.simulator-ready"
    rm -f "$ready"
    wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" /serve "$(windows_path "$ready")" >/dev/null 2>&1 &
    SIMULATOR_PID=$!
    local tries=0
    until [ -e "$ready" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 300 ] || ! kill -0 "$SIMULATOR_PID" 2>/dev/null; then
            log "the messenger simulator did not start"
            return 1
        fi
        sleep 0.1
    done
    rm -f "$ready"
}

stop_simulator() {
    if [ -n "$SIMULATOR_PID" ]; then
        wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" stop >/dev/null 2>&1 || true
        wait "$SIMULATOR_PID" 2>/dev/null || true
        SIMULATOR_PID=
    fi
}
