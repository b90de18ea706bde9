# Shared steps of the run and test commands: installing the toolchain, building, Wine and a display.
# Sourced, not run.

KALMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KALMORA_BUILD=${KALMORA_BUILD:-$KALMORA_ROOT/build}

stage() { printf '==> %s\n' "$*"; }

# Debian packages the project needs, each with a file that shows it is installed.
kalmora_need_packages() {
    local want=(
        "cmake:/usr/bin/cmake"
        "ninja-build:/usr/bin/ninja"
        "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
        "binutils-mingw-w64-x86-64:/usr/bin/x86_64-w64-mingw32-windres"
        "googletest:/usr/src/googletest/CMakeLists.txt"
        "wine:/usr/bin/wine"
        "wine64:/usr/lib/wine/wine64"
        "xvfb:/usr/bin/Xvfb"
        "xauth:/usr/bin/xauth"
        "fonts-noto-cjk:/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
        "$@"
    )
    local missing=() entry
    for entry in "${want[@]}"; do
        [ -e "${entry#*:}" ] || missing+=("${entry%%:*}")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    stage "installing ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq >/dev/null &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null || {
        echo "error: could not install ${missing[*]}" >&2
        return 1
    }
}

# Wine names Windows files through the host locale's character set: without a Japanese UTF-8
# locale every non-ASCII file name fails, although code page 932 itself needs only the name.
kalmora_need_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' && return 0
    kalmora_need_packages "locales:/usr/share/i18n/locales/ja_JP" || return 1
    stage "generating the ja_JP.UTF-8 locale"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || {
        echo "error: could not generate the ja_JP.UTF-8 locale" >&2
        return 1
    }
}

kalmora_build() {
    stage "configuring in ${KALMORA_BUILD#"$KALMORA_ROOT"/}"
    cmake -S "$KALMORA_ROOT" -B "$KALMORA_BUILD" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$KALMORA_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >"$KALMORA_BUILD.configure.log" 2>&1 || {
        cat "$KALMORA_BUILD.configure.log" >&2
        return 1
    }
    stage "building"
    cmake --build "$KALMORA_BUILD" -- -k 0 >"$KALMORA_BUILD.build.log" 2>&1 || {
        grep -E 'error|Error|FAILED' "$KALMORA_BUILD.build.log" | head -n 40 >&2
        echo "build failed: see $KALMORA_BUILD.build.log" >&2
        return 1
    }
}

# Everything Wine needs to run one program of ours: a prefix of the build's own, Japanese
# ANSI code page 932 through the locale name alone, and no Mono or Gecko prompts.
kalmora_wine_env() {
    export WINEPREFIX=${WINEPREFIX:-$KALMORA_BUILD/wineprefix}
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Wine takes the code page from the locale's name; no such locale need exist on the host.
# Through env, so that bash itself does not try (and warn) to switch to it.
kalmora_wine() { env LC_ALL=ja_JP.UTF-8 wine "$@"; }

# Creates the prefix once; callers running side by side wait on the lock instead of racing.
kalmora_wine_prefix() {
    kalmora_wine_env
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            env LC_ALL=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1
            wineserver -w
        fi
        # Under a bare Xvfb no window manager ever answers, and Wine waits two seconds for one
        # each time a managed window is hidden; unmanaged windows need no answer.
        if [ ! -f "$WINEPREFIX/.unmanaged" ]; then
            env LC_ALL=ja_JP.UTF-8 wine reg add 'HKCU\Software\Wine\X11 Driver' \
                /v Managed /d N /f >/dev/null 2>&1 &&
                wineserver -w && touch "$WINEPREFIX/.unmanaged"
        fi
    ) 9>"$WINEPREFIX.lock"
}

kalmora_stop_wine() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
    return 0
}

KALMORA_XVFB_PID=
# Uses the caller's display, or starts a private Xvfb and stops it on exit. Xvfb picks a free
# display number itself (-displayfd), so runs side by side never share one.
kalmora_display() {
    if [ -n "${DISPLAY:-}" ]; then
        return 0
    fi
    local numberFile
    numberFile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    KALMORA_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$numberFile" ] && break
        sleep 0.1
    done
    local n
    n=$(tr -dc 0-9 <"$numberFile")
    rm -f "$numberFile"
    if [ -z "$n" ]; then
        echo "error: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$n"
    stage "no display given: running on a private Xvfb at $DISPLAY"
}

kalmora_stop_display() {
    if [ -n "$KALMORA_XVFB_PID" ]; then
        kill "$KALMORA_XVFB_PID" 2>/dev/null
        wait "$KALMORA_XVFB_PID" 2>/dev/null
        KALMORA_XVFB_PID=
    fi
    return 0
}
