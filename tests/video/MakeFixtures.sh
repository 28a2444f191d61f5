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
# A width whose rows the colour conversion's vector code overruns (300 = 8 x 37 + 4).
source=(-f lavfi -i "testsrc2=size=300x64:rate=25")
make h264_width300.mp4 12 -c:v libx264 -preset veryfast -pix_fmt yuv420p
source=(-f lavfi -i "testsrc2=size=64x48:rate=25")
make hevc.mp4 40 -c:v libx265 -tag:v hvc1 -pix_fmt yuv420p \
  -x265-params keyint=12:min-keyint=12:bframes=3:open-gop=1:scenecut=0:log-level=error
make vp9.webm 40 -c:v libvpx-vp9 -g 12 -auto-alt-ref 1 -lag-in-frames 8 -deadline good -cpu-used 8 -b:v 300k
make raw.avi 30 -c:v rawvideo -pix_fmt bgr24
# Times are set in whole ticks of the source's 1/25 s time base: a time computed in seconds
# and divided back can round onto its neighbour's tick, which the encoder refuses.
# AVI as cameras and editors leave it: B-frames stored after the frame they precede (MPEG-4
# and H.264), and dropped frames kept as empty chunks (10, 11, 22 and 23 of 34 slots).
make mpeg4_bframes.avi 40 -c:v mpeg4 -bf 2 -g 12 -q:v 4
make h264_bframes.avi 40 -c:v libx264 -preset veryfast -bf 3 -g 12 -keyint_min 12 -sc_threshold 0 -pix_fmt yuv420p
gaps() {
  ffmpeg -nostdin -v error -y "${source[@]}" -vf "$counter,setpts='N+2*floor(N/10)'" -frames:v 30 \
    -fps_mode passthrough -c:v mjpeg -q:v 4 -pix_fmt yuvj420p mjpeg_gaps.avi
}
# On a loaded machine ffmpeg 5.1 has been seen to refuse one of these times ("Invalid pts")
# once in many runs; the same command then succeeds, and the clip is the same either way.
gaps || gaps || gaps
ffmpeg -nostdin -v error -y -i mjpeg_gaps.avi -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 mjpeg_gaps.avi.framemd5
# A camcorder's transport stream: sound beside the picture, timestamps far from zero.
ffmpeg -nostdin -v error -y "${source[@]}" -f lavfi -i "sine=frequency=440:sample_rate=48000" \
  -vf "$counter" -frames:v 60 -map 0:v -map 1:a -shortest -c:v libx264 -preset veryfast -bf 2 -g 12 \
  -keyint_min 12 -sc_threshold 0 -pix_fmt yuv420p -c:a ac3 -output_ts_offset 600 -f mpegts camcorder.mts
ffmpeg -nostdin -v error -y -i camcorder.mts -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 camcorder.mts.framemd5
# A phone's variable rate: from frame 21 on, frames are twice as far apart.
ffmpeg -nostdin -v error -y "${source[@]}" -vf "$counter,setpts='N+max(N-20\,0)'" -frames:v 40 \
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
# Phone videos as they come. Portrait video stored as landscape pictures with a display
# matrix (the "rotate" tag sets it), in MP4 and QuickTime; the pictures ffmpeg shows for
# them, turned upright, are the reference.
clip phone_plain.mp4 64x48 25 12 -c:v libx264 -preset veryfast -g 6 -pix_fmt yuv420p
for degrees in 90 180 270; do
  ffmpeg -nostdin -v error -y -i phone_plain.mp4 -c copy -metadata:s:v:0 rotate=$degrees phone_rot$degrees.mp4
done
ffmpeg -nostdin -v error -y -i phone_plain.mp4 -c copy -metadata:s:v:0 rotate=90 phone_rot90.mov
# Time stamps as phones write them: a half-second pause after frame 20, and an interval that
# wanders by a few milliseconds. ffprobe's list of each frame's time is the reference.
clip phone_pause.mp4 64x48 25 40 -vf "$counter,settb=1/1000,setpts='PTS+if(gte(N\,20)\,0.5/TB\,0)'" -fps_mode vfr -enc_time_base 1:1000 \
  -c:v libx264 -preset veryfast -g 12 -pix_fmt yuv420p
clip phone_jitter.mp4 64x48 25 40 -vf "$counter,settb=1/1000,setpts='(N*40+mod(N*7\,5)*3)/1000/TB'" -fps_mode vfr -enc_time_base 1:1000 \
  -c:v libx264 -preset veryfast -g 12 -bf 2 -pix_fmt yuv420p
for name in phone_pause.mp4 phone_jitter.mp4; do
  ffprobe -v error -select_streams v:0 -show_entries frame=best_effort_timestamp_time -of csv=p=0 "$name" |
    grep -E '^[0-9]' | cut -d, -f1 >"$name.times"
done
# Slow motion filmed at 240 frames per second and stored at 30, as Android tags it.
clip phone_slowmo.mp4 64x48 30 10 -c:v libx264 -preset veryfast -pix_fmt yuv420p \
  -metadata com.android.capture.fps=240.000000 -movflags use_metadata_tags
# A red square crossing a white field at 100 pixels per second of real time, filmed by a
# phone that stops stamping for half a second after frame 20: the square moves on meanwhile.
ffmpeg -nostdin -v error -y -f lavfi -i color=c=white:s=480x96:r=25 -f lavfi -i color=c=red:s=16x16:r=25 \
  -filter_complex "[0]settb=1/1000,setpts='PTS+if(gte(N\,20)\,0.5/TB\,0)'[field];[field][1]overlay=x='20+100*t':y=40" \
  -frames:v 40 -fps_mode vfr -enc_time_base 1:1000 -c:v libx264 -preset veryfast -qp 0 -pix_fmt yuv444p phone_square_pause.mp4
if [[ -n "$shared" && -d "$shared" ]]; then
  for video in "$shared"/*.avi; do
    ffmpeg -nostdin -v error -y -i "$video" -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f framemd5 \
      "shared_$(basename "$video").framemd5"
  done
fi
touch fixtures.stamp
