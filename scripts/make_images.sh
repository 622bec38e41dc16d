#!/usr/bin/env bash
# Draws every picture of resources/images with ImageMagick: lamps, position buttons, tool-bar icons,
# output toggles and the application icon. Each picture is described in MVG in the pixel units of a
# design grid, drawn 8 times larger and reduced by area averaging, so edges come out smooth.
# Usage: scripts/make_images.sh [output-dir]   (default: resources/images)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-resources/images}
mkdir -p "$out"

command -v convert >/dev/null || { echo "make_images.sh: ImageMagick's convert is needed" >&2; exit 1; }

ss=8 # supersampling factor

# render NAME WIDTH HEIGHT DESIGN_WIDTH MVG
# MVG coordinates are in units of a DESIGN_WIDTH-wide grid; the picture is WIDTH x HEIGHT pixels.
render() {
  local name=$1 w=$2 h=$3 dw=$4 mvg=$5
  local scale
  scale=$(awk -v s="$ss" -v w="$w" -v dw="$dw" 'BEGIN { printf "%.6f", s * w / dw }')
  convert -size "$((w * ss))x$((h * ss))" xc:none \
    -draw "scale $scale,$scale $mvg" \
    -filter Box -resize "${w}x${h}!" \
    -strip -define png:exclude-chunks=date,time "PNG32:$out/$name"
}

# ---------------------------------------------------------------------------------------------
# Palette shared by all pictures.
ink='#27323d'     # dark outline
steel='#5d6873'   # grey outline
paper='#ffffff'
fold='#dfe6ee'
blue='#2f6fb5'
blue_dk='#1d4a7d'
amber='#f7c75a'
amber_dk='#a9741a'
green='#2fa84f'
orange='#e8772e'

# ---------------------------------------------------------------------------------------------
# Round lamps: green = on, white = off, red = alarm. 16x16 and 24x24.
# lamp NAME SIZE TOP BOTTOM BORDER
lamp() {
  local name=$1 size=$2 top=$3 bottom=$4 border=$5
  local c r sw hx hy hrx hry
  c=$(awk -v s="$size" 'BEGIN { printf "%.3f", s / 2 }')
  r=$(awk -v s="$size" 'BEGIN { printf "%.3f", s / 2 - (s > 16 ? 1.0 : 0.85) }')
  sw=$(awk -v s="$size" 'BEGIN { printf "%.3f", (s > 16 ? 1.3 : 1.0) }')
  hx=$(awk -v c="$c" -v r="$r" 'BEGIN { printf "%.3f", c - r * 0.22 }')
  hy=$(awk -v c="$c" -v r="$r" 'BEGIN { printf "%.3f", c - r * 0.42 }')
  hrx=$(awk -v r="$r" 'BEGIN { printf "%.3f", r * 0.52 }')
  hry=$(awk -v r="$r" 'BEGIN { printf "%.3f", r * 0.32 }')
  render "$name" "$size" "$size" "$size" "
    push defs
      push gradient face linear 0,$(awk -v c="$c" -v r="$r" 'BEGIN{print c-r}') 0,$(awk -v c="$c" -v r="$r" 'BEGIN{print c+r}')
        stop-color '$top' 0
        stop-color '$bottom' 1
      pop gradient
    pop defs
    push graphic-context
      fill 'url(#face)' stroke '$border' stroke-width $sw
      circle $c,$c $c,$(awk -v c="$c" -v r="$r" 'BEGIN{print c-r}')
    pop graphic-context
    push graphic-context
      fill '#ffffff' fill-opacity 0.62 stroke none
      ellipse $hx,$hy $hrx,$hry 0,360
    pop graphic-context"
}

for size in 16 24; do
  suffix=""
  [ "$size" = 24 ] && suffix="_24"
  lamp "lamp_green$suffix.png" "$size" '#7be886' '#1f9e33' '#146b26'
  lamp "lamp_white$suffix.png" "$size" '#ffffff' '#d3d8de' '#848b94'
  lamp "lamp_red$suffix.png" "$size" '#ff8a7e' '#d1261e' '#8a1410'
done

# ---------------------------------------------------------------------------------------------
# Position button faces, 48x32, no text: grey raised face and lit (bright green) face.
# button NAME TOP BOTTOM BORDER HIGHLIGHT SHADOW
button() {
  local name=$1 top=$2 bottom=$3 border=$4 hi=$5 lo=$6
  render "$name" 48 32 48 "
    push defs
      push gradient face linear 0,1 0,31
        stop-color '$top' 0
        stop-color '$bottom' 1
      pop gradient
    pop defs
    push graphic-context
      fill '#000000' fill-opacity 0.18 stroke none
      roundrectangle 1,2 47,31.8 5,5
    pop graphic-context
    push graphic-context
      fill 'url(#face)' stroke '$border' stroke-width 1
      roundrectangle 0.5,0.5 47.5,30.5 5,5
    pop graphic-context
    push graphic-context
      fill none stroke '$hi' stroke-width 1 stroke-linecap round
      line 5,1.7 43,1.7
      line 1.7,5 1.7,26
    pop graphic-context
    push graphic-context
      fill none stroke '$lo' stroke-width 1 stroke-linecap round
      line 5,29.3 43,29.3
      line 46.3,5 46.3,26
    pop graphic-context"
}

button button_grey.png '#fbfcfd' '#c2c8cf' '#6b727b' '#ffffff' '#a3aab3'
button button_lit.png '#d9ffc9' '#45c848' '#25782b' '#f2fff0' '#2f9a35'

# ---------------------------------------------------------------------------------------------
# Tool-bar icons, 24x24.

# New: a blank sheet with a folded corner and a small spark.
render tb_new.png 24 24 24 "
  push graphic-context
    fill '$paper' stroke '$steel' stroke-width 1 stroke-linejoin round
    polygon 4.5,1.5 14.5,1.5 19.5,6.5 19.5,22.5 4.5,22.5
  pop graphic-context
  push graphic-context
    fill '$fold' stroke '$steel' stroke-width 1 stroke-linejoin round
    polygon 14.5,1.5 14.5,6.5 19.5,6.5
  pop graphic-context
  push graphic-context
    fill none stroke '#c3ccd6' stroke-width 1
    line 7,10.5 17,10.5
    line 7,13.5 17,13.5
    line 7,16.5 14,16.5
  pop graphic-context
  push graphic-context
    fill '#ffcc33' stroke '#b07d00' stroke-width 0.8 stroke-linejoin round
    polygon 19,13.2 20.4,16.6 23.8,18 20.4,19.4 19,22.8 17.6,19.4 14.2,18 17.6,16.6
  pop graphic-context"

# Open: an open folder with a sheet inside.
render tb_open.png 24 24 24 "
  push graphic-context
    fill '#e2a63a' stroke '$amber_dk' stroke-width 1 stroke-linejoin round
    polygon 1.5,4.5 8.5,4.5 10.5,6.5 19.5,6.5 19.5,20.5 1.5,20.5
  pop graphic-context
  push graphic-context
    fill '$paper' stroke '$steel' stroke-width 0.8
    rectangle 4.5,8.5 17.5,16
  pop graphic-context
  push graphic-context
    fill '$amber' stroke '$amber_dk' stroke-width 1 stroke-linejoin round
    polygon 5.5,11.5 23,11.5 19.5,20.5 1.5,20.5
  pop graphic-context"

# Save: a floppy disk.
render tb_save.png 24 24 24 "
  push graphic-context
    fill '$blue' stroke '$blue_dk' stroke-width 1 stroke-linejoin round
    polygon 2.5,2.5 18.5,2.5 21.5,5.5 21.5,21.5 2.5,21.5
  pop graphic-context
  push graphic-context
    fill '#e3e9f0' stroke '$blue_dk' stroke-width 0.9
    rectangle 6.5,2.5 16.5,9.5
  pop graphic-context
  push graphic-context
    fill '$blue_dk' stroke none
    rectangle 12.8,3.8 15.2,8.2
  pop graphic-context
  push graphic-context
    fill '$paper' stroke '$blue_dk' stroke-width 0.9
    rectangle 5.5,12.5 18.5,21.5
  pop graphic-context
  push graphic-context
    fill none stroke '#9fb3c8' stroke-width 1
    line 7.5,15.5 16.5,15.5
    line 7.5,18.5 16.5,18.5
  pop graphic-context"

# Print: a printer with a sheet coming out.
render tb_print.png 24 24 24 "
  push graphic-context
    fill '$paper' stroke '$steel' stroke-width 1
    rectangle 6.5,1.5 17.5,9.5
  pop graphic-context
  push graphic-context
    fill '#aab3bd' stroke '#4d5660' stroke-width 1 stroke-linejoin round
    roundrectangle 1.5,8.5 22.5,18.5 2,2
  pop graphic-context
  push graphic-context
    fill '#6f7984' stroke none
    rectangle 5,14 19,15.2
  pop graphic-context
  push graphic-context
    fill '#4fd45c' stroke '#1f7a2c' stroke-width 0.6
    circle 19,11.3 19,10.2
  pop graphic-context
  push graphic-context
    fill '$paper' stroke '$steel' stroke-width 1
    rectangle 6.5,14.5 17.5,22.5
  pop graphic-context
  push graphic-context
    fill none stroke '#9aa6b2' stroke-width 1
    line 8.5,17.5 15.5,17.5
    line 8.5,20 13.5,20
  pop graphic-context"

# Pieces of the two transfer icons: a controller box at the lower left, a PC monitor at the upper right.
controller_box="
  push graphic-context
    fill '#4f6580' stroke '$ink' stroke-width 1 stroke-linejoin round
    roundrectangle 1.5,10.5 10.5,22.5 1.2,1.2
  pop graphic-context
  push graphic-context
    fill '#5fe36a' stroke '#1c6e27' stroke-width 0.5
    circle 4.3,13.4 4.3,12.3
  pop graphic-context
  push graphic-context
    fill '#ffb13b' stroke '#8a5a00' stroke-width 0.5
    circle 7.6,13.4 7.6,12.3
  pop graphic-context
  push graphic-context
    fill none stroke '#a9bacb' stroke-width 1
    line 3.5,16.5 8.5,16.5
    line 3.5,19 8.5,19
  pop graphic-context"
pc_monitor="
  push graphic-context
    fill '$ink' stroke '$ink' stroke-width 1 stroke-linejoin round
    roundrectangle 11.5,1.5 22.5,10 1,1
  pop graphic-context
  push graphic-context
    fill '#8cc2f2' stroke none
    rectangle 13,3 21,8.5
  pop graphic-context
  push graphic-context
    fill '#ffffff' fill-opacity 0.55 stroke none
    polygon 13,3 17,3 13,6.5
  pop graphic-context"

# Read from controller: the arrow leaves the controller and rises into the PC.
render tb_read.png 24 24 24 "
  $controller_box
  $pc_monitor
  push graphic-context
    fill none stroke '#ffffff' stroke-width 4.6 stroke-linejoin round
    polyline 10.5,18.5 17,18.5 17,14.5
  pop graphic-context
  push graphic-context
    fill '$green' stroke '#ffffff' stroke-width 1.2 stroke-linejoin round
    polygon 13,15.4 21,15.4 17,10.6
  pop graphic-context
  push graphic-context
    fill none stroke '$green' stroke-width 2.6 stroke-linejoin round
    polyline 10.5,18.5 17,18.5 17,14.8
  pop graphic-context
  push graphic-context
    fill '$green' stroke none
    polygon 13.6,15.2 20.4,15.2 17,11.3
  pop graphic-context"

# Write to controller: the arrow leaves the PC and enters the controller.
render tb_write.png 24 24 24 "
  $controller_box
  $pc_monitor
  push graphic-context
    fill none stroke '#ffffff' stroke-width 4.6 stroke-linejoin round
    polyline 17,10.5 17,18.5 14,18.5
  pop graphic-context
  push graphic-context
    fill '$orange' stroke '#ffffff' stroke-width 1.2 stroke-linejoin round
    polygon 14.6,14.3 14.6,22.7 9.6,18.5
  pop graphic-context
  push graphic-context
    fill none stroke '$orange' stroke-width 2.6 stroke-linejoin round
    polyline 17,10.2 17,18.5 14.2,18.5
  pop graphic-context
  push graphic-context
    fill '$orange' stroke none
    polygon 14.4,14.9 14.4,22.1 10.3,18.5
  pop graphic-context"

# Verify: two sheets compared, with a check mark.
render tb_verify.png 24 24 24 "
  push graphic-context
    fill '#eef2f6' stroke '$steel' stroke-width 1
    rectangle 1.5,1.5 12.5,16.5
  pop graphic-context
  push graphic-context
    fill '$paper' stroke '$steel' stroke-width 1
    rectangle 7.5,5.5 18.5,20.5
  pop graphic-context
  push graphic-context
    fill none stroke '#c3ccd6' stroke-width 1
    line 3.5,5 10.5,5
    line 3.5,7.5 6,7.5
    line 9.5,9 16.5,9
    line 9.5,11.5 16.5,11.5
  pop graphic-context
  push graphic-context
    fill none stroke '#ffffff' stroke-width 5.2 stroke-linecap round stroke-linejoin round
    polyline 9.5,15.5 13.5,19.5 21.5,9.5
  pop graphic-context
  push graphic-context
    fill none stroke '$green' stroke-width 2.8 stroke-linecap round stroke-linejoin round
    polyline 9.5,15.5 13.5,19.5 21.5,9.5
  pop graphic-context"

# ---------------------------------------------------------------------------------------------
# Output pictures of the I/O window, 32x32: a toggle switch, on (green, knob right) and off.
render output_on.png 32 32 32 "
  push defs
    push gradient track linear 0,8 0,24
      stop-color '#58c96f' 0
      stop-color '#23913e' 1
    pop gradient
  pop defs
  push graphic-context
    fill 'url(#track)' stroke '#1b6e2f' stroke-width 1
    roundrectangle 1.5,8.5 30.5,23.5 7.5,7.5
  pop graphic-context
  push graphic-context
    fill none stroke '#ffffff' stroke-width 1.8 stroke-linecap round
    line 9,12.5 9,19.5
  pop graphic-context
  push graphic-context
    fill '#000000' fill-opacity 0.2 stroke none
    circle 23,16.8 23,10.6
  pop graphic-context
  push graphic-context
    fill '#ffffff' stroke '#1b6e2f' stroke-width 1
    circle 23,16 23,10.2
  pop graphic-context"

render output_off.png 32 32 32 "
  push defs
    push gradient track linear 0,8 0,24
      stop-color '#b5bcc4' 0
      stop-color '#d7dce1' 1
    pop gradient
  pop defs
  push graphic-context
    fill 'url(#track)' stroke '#7a838d' stroke-width 1
    roundrectangle 1.5,8.5 30.5,23.5 7.5,7.5
  pop graphic-context
  push graphic-context
    fill none stroke '#7a838d' stroke-width 1.6
    circle 23,16 23,12.6
  pop graphic-context
  push graphic-context
    fill '#000000' fill-opacity 0.2 stroke none
    circle 9,16.8 9,10.6
  pop graphic-context
  push graphic-context
    fill '#ffffff' stroke '#7a838d' stroke-width 1
    circle 9,16 9,10.2
  pop graphic-context"

# ---------------------------------------------------------------------------------------------
# Application icon: a stylised actuator (rail, slider, motor) on a blue rounded square.
# Designed on a 64-unit grid; drawn at 64x64 and 256x256.
app_icon="
  push defs
    push gradient bg linear 0,2 0,62
      stop-color '#3d8ae0' 0
      stop-color '#1a4d92' 1
    pop gradient
    push gradient rail linear 0,33 0,47
      stop-color '#f4f7fa' 0
      stop-color '#aeb9c5' 1
    pop gradient
    push gradient motor linear 0,28 0,50
      stop-color '#56616d' 0
      stop-color '#2a323b' 1
    pop gradient
    push gradient slider linear 0,21 0,36
      stop-color '#ffd46b' 0
      stop-color '#ef9f1f' 1
    pop gradient
  pop defs
  push graphic-context
    fill 'url(#bg)' stroke '#133a70' stroke-width 1.2
    roundrectangle 2.5,2.5 61.5,61.5 12,12
  pop graphic-context
  push graphic-context
    fill '#ffffff' fill-opacity 0.10 stroke none
    roundrectangle 4,4 60,30 10,10
  pop graphic-context
  push graphic-context
    fill '#000000' fill-opacity 0.22 stroke none
    roundrectangle 7,37 59,51 3,3
  pop graphic-context
  push graphic-context
    fill 'url(#rail)' stroke '#0f2f57' stroke-width 1.2
    roundrectangle 6,33 46,47 2.5,2.5
  pop graphic-context
  push graphic-context
    fill none stroke '#7d8a98' stroke-width 1.6 stroke-linecap round
    line 9,42.5 43,42.5
  pop graphic-context
  push graphic-context
    fill 'url(#motor)' stroke '#0f2f57' stroke-width 1.2
    roundrectangle 45,29 58,50 2.5,2.5
  pop graphic-context
  push graphic-context
    fill none stroke '#8894a1' stroke-width 1
    line 48,34 55,34
    line 48,37 55,37
    line 48,40 55,40
  pop graphic-context
  push graphic-context
    fill '#5fe36a' stroke '#1c6e27' stroke-width 0.6
    circle 51.5,45 51.5,43.4
  pop graphic-context
  push graphic-context
    fill 'url(#slider)' stroke '#7a4a00' stroke-width 1.2
    roundrectangle 15,22 33,36 2.5,2.5
  pop graphic-context
  push graphic-context
    fill '#7a4a00' stroke none
    circle 19,26 19,27.1
    circle 29,26 29,27.1
    circle 19,32 19,33.1
    circle 29,32 29,33.1
  pop graphic-context
  push graphic-context
    fill none stroke '#ffffff' stroke-width 2.2 stroke-linecap round stroke-linejoin round
    line 14,14 34,14
    polyline 18,10.5 13.5,14 18,17.5
    polyline 30,10.5 34.5,14 30,17.5
  pop graphic-context"

render zovi.png 64 64 64 "$app_icon"
render zovi_256.png 256 256 64 "$app_icon"

echo "make_images.sh: pictures written to $out"
