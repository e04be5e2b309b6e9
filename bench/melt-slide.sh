#!/bin/sh
# The comparison for bench_render: MLT's melt renders one picture sliding across a 1280x720
# frame at 24 fps, written as numbered JPG files, on all cores. melt is only needed here, so it
# is installed here (from Debian) when missing.
#   melt-slide.sh PICTURE FRAMES OUTPUT_FOLDER
set -e
picture=$1
frames=$2
out=$3
if ! command -v melt >/dev/null 2>&1; then
    echo "melt-slide: installing melt" >&2
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get install -y -q --no-install-recommends melt >/dev/null 2>&1 ||
        { $SUDO apt-get update -q >/dev/null && $SUDO apt-get install -y -q --no-install-recommends melt >/dev/null; }
fi
last=$((frames - 1))
mkdir -p "$out"
# A white background track, the picture on a second track, and the affine transition moving
# it from off the left edge to off the right edge; MJPEG at about quality 90, every core busy
# (negative real_time: that many threads, no dropped frames).
exec melt -silent -profile atsc_720p_24 \
    color:white out="$last" \
    -track "$picture" out="$last" \
    -transition affine a_track=0 b_track=1 in=0 out="$last" fill=0 distort=0 \
        rect="0=-800/60:800x600;$last=1280/60:800x600" \
    -consumer avformat:"$out/%08d.jpg" vcodec=mjpeg qscale=3 real_time=-"$(nproc)" \
        terminate_on_pause=1
