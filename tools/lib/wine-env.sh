# Sourced by the test rig and by ./run: how Vellumark's Wine is set up.
# Callers set WINEPREFIX; this sets the rest and offers the steps both need.
wine_bin=/usr/lib/wine
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export PATH="$wine_bin:$PATH"
# LC_ALL=zh_CN.UTF-8 gives Wine the ANSI code page 936; the locale that
# tools/setup.sh makes in the build also gives it UTF-8 for Unix file names,
# so Chinese file names work. Set per command so bash does not load it.
chinese=(env LC_ALL=zh_CN.UTF-8 LOCPATH="$repo/build/locale")

# Raise this when prepare_wine_prefix's recipe changes.
wine_prefix_recipe=2

# Makes a new prefix at PREFIX the way every run wants it.
prepare_wine_prefix() {
    local prefix=$1
    local in_prefix=(env WINEPREFIX="$prefix" "$wine_bin/wine64")
    "${in_prefix[@]}" wineboot --init >/dev/null 2>&1 </dev/null
    # Without a window manager Wine waits 2 s on every close of a managed window.
    "${in_prefix[@]}" reg add 'HKCU\Software\Wine\X11 Driver' \
        /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    # A crash ends the process at once instead of starting winedbg, which for
    # a 32-bit process under emulation hangs for many minutes. Both views.
    local software
    for software in 'HKLM\Software' 'HKLM\Software\Wow6432Node'; do
        "${in_prefix[@]}" reg add "$software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug" \
            /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1 </dev/null
    done
    WINEPREFIX="$prefix" "$wine_bin/wineserver" -k >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" "$wine_bin/wineserver" -w >/dev/null 2>&1 || true
    echo "$wine_prefix_recipe" > "$prefix/.vellumark-recipe"
}

wine_prefix_is_current() {
    [[ "$(cat "$1/.vellumark-recipe" 2>/dev/null)" == "$wine_prefix_recipe" ]]
}

# As on real Windows, oobe exists and its info folder does not.
make_oobe_folder() {
    mkdir -p "$1/drive_c/windows/system32/oobe"
}

# Starts a virtual X display and exports DISPLAY; its process id goes to
# xvfb_pid. Xvfb picks a free number itself and reports it when it is ready:
# a number that looks free here may be taken in another root, because the
# abstract X socket is shared by all of them.
start_virtual_display() {
    local display_file deadline=$((SECONDS + 20))
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    until [[ -s "$display_file" ]]; do
        if ((SECONDS >= deadline)) || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            rm -f "$display_file"
            return 1
        fi
        sleep 0.05
    done
    export DISPLAY=":$(head -n 1 "$display_file")"
    rm -f "$display_file"
}
