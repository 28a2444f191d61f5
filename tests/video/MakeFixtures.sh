#!/usr/bin/env bash
# Makes the small clips the video tests read, each with its reference: the MD5 of every
# frame as a full decode from the start yields it (ffmpeg's framemd5, 24-bit RGB), and the
# same reference for the classroom videos of SHARED_VIDEOS when that folder exists.
# Every picture carries its number as eight 8-pixel blocks along the top, so that no two
# frames look alike. Usage: MakeFixtures.sh OUTPUT_FOLDER [SHARED_VIDEOS]
set -euo pipefail
out=$1
shared=${2:-}
mkdir -p "$out"
cd "$out"

counter="geq=lum='if(lt(Y\,8)\,255*mod(floor(N/pow(2\,floor(X/8)))\,2)\,lum(X\,Y))':cb='cb(X\,Y)':cr='cr(X\,Y)'"
source=(-f lavfi -i "testsrc2=size=64x48:rate=25")

make() {  # name frames ffmpeg-output-arguments...
  local name=$1 frames=$2
  shift 2
  ffmpeg -nostdin -v error -y "${source[@]}" -vf "$counter" -frames:v "$frames" "$@" "$name"
  ffmpeg -nostdin -v error -y -i "$name" -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 "$name.framemd5"
}

make h264_bframes.mp4 40 -c:v libx264 -preset veryfast -bf 3 -g 12 -keyint_min 12 -sc_threshold 0 -pix_fmt yuv420p
make h264_opengop.mkv 40 -c:v libx264 -preset veryfast -bf 3 -pix_fmt yuv420p \
  -x264-params keyint=12:min-keyint=12:open-gop=1:scenecut=0
make xvid_packed.avi 40 -c:v libxvid -bf 2 -g 12
make mpeg4_bframes.mp4 40 -c:v mpeg4 -bf 2 -g 12 -q:v 4
make mjpeg.avi 30 -c:v mjpeg -q:v 4 -pix_fmt yuvj420p
make mpeg2.mpg 40 -c:v mpeg2video -bf 2 -g 12 -q:v 4
make wmv2.wmv 40 -c:v wmv2 -g 12 -q:v 4
make hevc.mp4 40 -c:v libx265 -tag:v hvc1 -pix_fmt yuv420p \
  -x265-params keyint=12:min-keyint=12:bframes=3:open-gop=1:scenecut=0:log-level=error
make vp9.webm 40 -c:v libvpx-vp9 -g 12 -auto-alt-ref 1 -lag-in-frames 8 -deadline good -cpu-used 8 -b:v 300k
make raw.avi 30 -c:v rawvideo -pix_fmt bgr24
# AVI as cameras and editors leave it: B-frames stored after the frame they precede (MPEG-4
# and H.264), and dropped frames kept as empty chunks (10, 11, 22 and 23 of 34 slots).
make mpeg4_bframes.avi 40 -c:v mpeg4 -bf 2 -g 12 -q:v 4
make h264_bframes.avi 40 -c:v libx264 -preset veryfast -bf 3 -g 12 -keyint_min 12 -sc_threshold 0 -pix_fmt yuv420p
ffmpeg -nostdin -v error -y "${source[@]}" -vf "$counter,setpts='(N+2*floor(N/10))/25/TB'" -frames:v 30 \
  -fps_mode passthrough -c:v mjpeg -q:v 4 -pix_fmt yuvj420p mjpeg_gaps.avi
ffmpeg -nostdin -v error -y -i mjpeg_gaps.avi -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 mjpeg_gaps.avi.framemd5
# A camcorder's transport stream: sound beside the picture, timestamps far from zero.
ffmpeg -nostdin -v error -y "${source[@]}" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
  -vf "$counter" -frames:v 60 -map 0:v -map 1:a -shortest -c:v libx264 -preset veryfast -bf 2 -g 12 \
  -keyint_min 12 -sc_threshold 0 -pix_fmt yuv420p -c:a ac3 -output_ts_offset 600 -f mpegts camcorder.mts
ffmpeg -nostdin -v error -y -i camcorder.mts -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 camcorder.mts.framemd5
# A phone's variable rate: from frame 21 on, frames are twice as far apart.
ffmpeg -nostdin -v error -y "${source[@]}" -vf "$counter,setpts='(N+max(N-20\,0))/25/TB'" -frames:v 40 \
  -fps_mode vfr -c:v libx264 -preset veryfast -g 12 -pix_fmt yuv420p variable.mkv
ffmpeg -nostdin -v error -y -i variable.mkv -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 variable.mkv.framemd5
# The pictures that went into the clips, uncompressed, for the tests that compare what a
# reader shows with them: the same source, rendered again frame by frame.
render() {  # name size rate frames
  ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=$2:rate=$3" -vf "$counter" -frames:v "$4" \
    -f rawvideo -pix_fmt rgb24 "$1"
}
render source_64x48_25.rgb 64x48 25 60
render source_320x240_25.rgb 320x240 25 50
render source_320x240_30.rgb 320x240 30 60
clip() {  # name size rate frames ffmpeg-output-arguments...
  local name=$1 size=$2 rate=$3 frames=$4
  shift 4
  ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=$size:rate=$rate" -vf "$counter" -frames:v "$frames" "$@" "$name"
}
# Xvid's packed B-frames as its users make them, with the encoder's delay at the start.
clip xvid_q4.avi 320x240 25 50 -c:v libxvid -q:v 4 -bf 2
# Timestamps in milliseconds at 30 frames per second: never on the multiples of 1/30 s.
clip vp9_ms.webm 320x240 30 60 -c:v libvpx-vp9 -deadline realtime -cpu-used 8 -b:v 1M
clip vp8_ms.webm 320x240 30 60 -c:v libvpx -deadline realtime -cpu-used 8 -b:v 1M
clip h264_ms.mp4 320x240 30 60 -c:v libx264 -preset veryfast -g 15 -bf 2 -pix_fmt yuv420p -video_track_timescale 1000
clip theora.ogv 320x240 30 60 -c:v libtheora -q:v 7 -g 15
if [[ -n "$shared" && -d "$shared" ]]; then
  for video in "$shared"/*.avi; do
    ffmpeg -nostdin -v error -y -i "$video" -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 \
      "shared_$(basename "$video").framemd5"
  done
fi
touch fixtures.stamp
