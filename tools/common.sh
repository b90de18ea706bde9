# Shared steps of the run and test commands: installing the toolchain, building, Wine and a display.
# Sourced, not run.

KALMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KALMORA_BUILD=${KALMORA_BUILD:-$KALMORA_ROOT/build}

stage() { printf '==> %s\n' "$*"; }

# Debian packages the project needs, each with a file that shows it is installed. Wine runs the
# 32-bit programs through its i386 build, which needs Debian's i386 architecture enabled.
kalmora_need_packages() {
    local want=(
        "cmake:/usr/bin/cmake"
        "ninja-build:/usr/bin/ninja"
        "g++-mingw-w64-i686-win32:/usr/bin/i686-w64-mingw32-g++-win32"
        "g++-mingw-w64-i686-posix:/usr/bin/i686-w64-mingw32-g++-posix"
        "binutils-mingw-w64-i686:/usr/bin/i686-w64-mingw32-windres"
        "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
        "binutils-mingw-w64-x86-64:/usr/bin/x86_64-w64-mingw32-windres"
        "googletest:/usr/src/googletest/CMakeLists.txt"
        "wine:/usr/bin/wine"
        "wine64:/usr/lib/wine/wine64"
        "wine32:i386:/usr/lib/wine/wine"
        "xvfb:/usr/bin/Xvfb"
        "xauth:/usr/bin/xauth"
        "fonts-horai-umefont:/usr/share/fonts/truetype/horai-umefont/ume-ugo4.ttf"
        "fonts-wine:/usr/share/wine/fonts/tahoma.ttf"
        "$@"
    )
    local missing=() entry
    for entry in "${want[@]}"; do
        [ -e "${entry##*:}" ] || missing+=("${entry%:*}")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    stage "installing ${missing[*]} (needs root or sudo)"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386 || {
            echo "error: could not enable the i386 architecture" >&2
            return 1
        }
    fi
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

# The two builds, each in build/NAME from the preset of that name: x86 is the product (the
# shipped Kalmora.exe and the 32-bit tests), x64 runs the same tests at another pointer size.
# kalmora_build NAME [cmake --build options, e.g. --target T]
kalmora_build() {
    local name=$1 dir=$KALMORA_BUILD/$1
    shift
    mkdir -p "$KALMORA_BUILD"
    # Once configured, the build itself configures again when a CMake file has changed.
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        stage "configuring $name in ${dir#"$KALMORA_ROOT"/}"
        cmake -S "$KALMORA_ROOT" -B "$dir" --preset "$name" >"$dir.configure.log" 2>&1 || {
            cat "$dir.configure.log" >&2
            rm -f "$dir/CMakeCache.txt"
            return 1
        }
    fi
    stage "building $name"
    cmake --build "$dir" "$@" -- -k 0 >"$dir.build.log" 2>&1 || {
        grep -E 'error|Error|FAILED' "$dir.build.log" | head -n 40 >&2
        echo "build failed: see $dir.build.log" >&2
        return 1
    }
}

# Everything Wine needs to run one program of ours: Japanese ANSI code page 932 through the
# locale name alone, and no Mono or Gecko prompts. A 64-bit prefix runs both builds' programs.
kalmora_wine_env() {
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Wine takes the code page from the locale's name; no such locale need exist on the host.
# Through env, so that bash itself does not try (and warn) to switch to it.
kalmora_wine() { env LC_ALL=ja_JP.UTF-8 wine "$@"; }

# kalmora_wine_prefix PREFIX [managed]: makes the prefix once and exports it as WINEPREFIX.
# Japanese Windows draws its dialogs in MS UI Gothic; the Ume fonts have its metrics, so labels
# fit where they fit on Windows. Under a bare Xvfb no window manager ever answers, and Wine
# waits two seconds for one each time a managed window is hidden: unmanaged windows need no
# answer, and only a prefix for people's own display asks for managed ones. Callers running side
# by side wait on the lock instead of racing.
kalmora_wine_prefix() {
    export WINEPREFIX=$1
    local managed=N
    [ "${2:-}" = managed ] && managed=Y
    kalmora_wine_env
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            env LC_ALL=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1
            wineserver -w
        fi
        local settled=$WINEPREFIX/.kalmora-settled-$managed
        if [ ! -f "$settled" ]; then
            printf '%s\r\n' 'REGEDIT4' '' \
                '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
                '"MS UI Gothic"="Ume UI Gothic"' '"MS PGothic"="Ume P Gothic"' \
                '"MS Gothic"="Ume Gothic"' '' \
                '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' "\"Managed\"=\"$managed\"" '' \
                >"$WINEPREFIX/drive_c/kalmora-settings.reg"
            env LC_ALL=ja_JP.UTF-8 wine regedit /S 'C:\kalmora-settings.reg' >/dev/null 2>&1 &&
                wineserver -w && touch "$settled"
            rm -f "$WINEPREFIX/drive_c/kalmora-settings.reg"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# kalmora_wine_drive LETTER DIR: the prefix's drive LETTER: shows DIR, so that a Windows path
# into DIR does not depend on where the clone lies.
kalmora_wine_drive() {
    ln -sfn "$2" "$WINEPREFIX/dosdevices/$1:"
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
