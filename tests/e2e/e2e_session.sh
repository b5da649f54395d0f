# Shared by the end-to-end scripts (sourced, not run): a private session for the program
# under test, and polling.

# Makes a temporary folder `work` (name prefix $1) holding a fresh HOME and
# XDG_RUNTIME_DIR, and sets the X client environment: the xcb platform, a fixed language
# and no screen scaling, so the window sizes the scripts check are the design's.
e2e_private_session() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1 QT_AUTO_SCREEN_SCALE_FACTOR=0
    unset QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
}

# Runs a command until it succeeds, every 0.2 s, for at most `seconds`.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
