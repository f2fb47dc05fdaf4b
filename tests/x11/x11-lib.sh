# Helpers for shell tests that drive the built program from outside, through
# the X server, as a user's input arrives. Sourced; run under with-x11.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
    done
}

# wait_for SECONDS COMMAND...: retries the command every 0.1 s until it succeeds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The visible top-level window whose title starts with the given text.
window_named() {
    xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n1
}

has_window() {
    [ -n "$(window_named "$1")" ]
}

# Sets X and Y to the absolute position of a window's client area.
window_origin() {
    local info
    info=$(xwininfo -id "$1") || return 1
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
}

# The colour of one screen pixel, as #RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null \
        | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'
}

pixel_is() {
    [ "$(pixel "$1" "$2")" = "$3" ]
}

pixel_is_not() {
    local p
    p=$(pixel "$1" "$2")
    [ -n "$p" ] && [ "$p" != "$3" ]
}

# Client windows from bottom to top, as the window manager stacks them.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'
}

# Whether window $1 is stacked above window $2 (ids in any notation).
above() {
    local top=$(($1)) below=$(($2)) seen_below=0 id
    for id in $(stacking); do
        id=$((id))
        ((id == below)) && seen_below=1
        ((id == top)) && return $((!seen_below))
    done
    return 1
}
