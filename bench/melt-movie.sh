#!/bin/sh
# The peer for bench_movie: MLT's melt renders the reference composition (three pictures, two
# sliding across and one turning from 5 s, a text, a filled bar and the sound, 30 s at 1280x720
# and 24 fps) straight to an MP4 with libx264 at crf 16 and AAC, on all cores. melt is only
# needed by the benchmarks; melt-slide.sh installs it from Debian when missing.
#   melt-movie.sh PROJECT_FOLDER OUTPUT.mp4     (PROJECT_FOLDER holds sample.jpg and long.wav)
set -e
"$(dirname "$0")/melt-slide.sh" --install
folder=$1
out=$2
picture=$folder/sample.jpg
exec melt -silent -profile atsc_720p_24 \
    color:white out=719 \
    -track "$picture" out=719 \
    -track "$picture" out=719 \
    -track -blank 119 "$picture" out=599 \
    -track pango: text="Reference movie" fgcolour=0x000000ff size=48 out=719 \
    -track color:0xc04020ff out=719 \
    -track "$folder/long.wav" out=719 \
    -transition affine a_track=0 b_track=1 in=0 out=719 fill=0 distort=0 \
        rect="0=1000/210:600x300;719=-100/210:600x300" \
    -transition affine a_track=0 b_track=2 in=0 out=719 fill=0 distort=0 \
        rect="0=-100/210:600x300;719=1000/210:600x300" \
    -transition affine a_track=0 b_track=3 in=120 out=719 fill=0 distort=0 rotate_x=1.2 \
        rect="0=340/210:600x300" \
    -transition affine a_track=0 b_track=4 in=0 out=719 fill=0 distort=0 \
        rect="0=340/50:600x80;719=340/130:600x80" \
    -transition affine a_track=0 b_track=5 in=0 out=719 fill=0 distort=1 \
        rect="0=340/600:600x80" \
    -transition mix a_track=0 b_track=6 in=0 out=719 always_active=1 \
    -consumer avformat:"$out" vcodec=libx264 crf=16 acodec=aac real_time=-"$(nproc)" \
        terminate_on_pause=1
