#!/usr/bin/env bash
# Draws every artwork PNG under resources/artwork with ImageMagick and the DejaVu fonts, so the
# pictures can be remade byte for byte. One theme throughout: warm graphite, cream text, amber accent.
# Usage: scripts/make-artwork.sh   (writes the PNGs named in resources/Ruvo_Server.rc and
#        resources/Ruvo_Presenter.rc; the .rc files map them to their ids)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$here/resources/artwork
mkdir -p "$out"

BG_TOP='#2a2624' BG_BOTTOM='#100f0e' GLOW='255,230,200'
CARD='#2e2a28' CARD_EDGE='rgba(255,255,255,0.12)' WELL='#0e0d0c'
ACCENT='#e8a54b' ACCENT_RGB='232,165,75' CREAM='#fffbf0' MUTED='#a39a92'
SANS=DejaVu-Sans BOLD=DejaVu-Sans-Bold

# No timestamps or other ancillary chunks, so a rerun gives the same bytes.
STRIP=(-strip -define png:exclude-chunks=date,time,bKGD -define png:compression-level=9)
save_alpha() { local f=$1; shift; convert "$@" -depth 8 "${STRIP[@]}" "PNG32:$out/$f"; }
save_colour() { local f=$1; shift; convert "$@" -background "$CARD" -flatten -depth 8 "${STRIP[@]}" "PNG24:$out/$f"; }
save_palette() { local f=$1; shift; convert "$@" -dither None -colors 256 -depth 8 "${STRIP[@]}" "PNG8:$out/$f"; }

# The screen background: a graphite gradient lit softly from above; with a top bar band for the
# buttons of the selector and the slide-show screen, or with faint slots under the all-slides cells.
background() {
  local file=$1 w=$2 h=$3 band=$4 left0=${5:-0} rows=${6:-0}
  local cy=$((h * 30 / 100))
  local draw=()
  if [ "$band" = band ]; then
    draw+=(-fill 'rgba(0,0,0,0.28)' -draw "rectangle 0,0 $((w - 1)),85"
           -fill "rgba($ACCENT_RGB,0.35)" -draw "rectangle 0,86 $((w - 1)),86")
  fi
  if [ "$rows" -gt 0 ]; then
    local slots="" r c x y
    for ((r = 0; r < rows; r++)); do
      for ((c = 0; c < 9; c++)); do
        x=$((left0 + c * 130)) y=$((9 + r * 153))
        slots+="roundrectangle $((x - 3)),$((y - 3)) $((x + 122)),$((y + 92)) 5,5 "
      done
    done
    draw+=(-fill 'rgba(0,0,0,0.30)' -stroke 'rgba(255,255,255,0.05)' -strokewidth 1 -draw "$slots" -stroke none)
  fi
  save_palette "$file" -size "${w}x${h}" "gradient:$BG_TOP-$BG_BOTTOM" \
    \( -size "$((w * 2))x$((h * 2))" "radial-gradient:rgba($GLOW,0.10)-rgba($GLOW,0)" \
       -crop "${w}x${h}+$((w / 2))+$((h - cy))" +repage \) -compose over -composite \
    "${draw[@]}"
}

# Selector backgrounds, one per screen size (the 1680x1050 one is 1650 wide and shown stretched).
background 2001-selector-1280x1024.png 1280 1024 band
background 2002-selector-1366x768.png 1366 768 band
background 2003-selector-1440x900.png 1440 900 band
background 2004-selector-1440x1050.png 1440 1050 band
background 2005-selector-1600x1200.png 1600 1200 band
background 2006-selector-1650x1050.png 1650 1050 band
background 2007-selector-1920x1200.png 1920 1200 band

# All-slides page backgrounds: the screen less 80 pixels, slots under a 9 x rows grid centred on it.
background 3001-allslides-1280x944.png 1280 944 none 60 6
background 3002-allslides-1366x688.png 1366 688 none 103 4
background 3003-allslides-1440x820.png 1440 820 none 140 5
background 3004-allslides-1440x970.png 1440 970 none 140 6
background 3005-allslides-1600x1120.png 1600 1120 none 220 6
background 3006-allslides-1680x970.png 1680 970 none 260 6
background 3007-allslides-1920x1120.png 1920 1120 none 380 6

# Build indicator over the current slide: a dark plate, white arrows over the two click zones
# (the left zone spans x 23..139, the right 242..358, both y 26..169).
build() {
  local file=$1 left=$2 right=$3 arrows=""
  local cy=97
  [ "$left" = 1 ] && arrows+="polygon 36,$cy 84,$((cy - 46)) 84,$((cy - 20)) 126,$((cy - 20)) 126,$((cy + 20)) 84,$((cy + 20)) 84,$((cy + 46)) "
  [ "$right" = 1 ] && arrows+="polygon 345,$cy 297,$((cy - 46)) 297,$((cy - 20)) 255,$((cy - 20)) 255,$((cy + 20)) 297,$((cy + 20)) 297,$((cy + 46)) "
  # The arrows are drawn opaque on a layer of their own, then laid over the plate at 70 %.
  save_alpha "$file" -size 380x200 xc:none -fill 'rgba(0,0,0,0.28)' -draw "roundrectangle 0,0 379,199 36,36" \
    \( -size 380x200 xc:none -fill white -stroke white -strokewidth 6 -draw "stroke-linejoin round $arrows" \
       -channel A -evaluate multiply 0.70 +channel \) -compose over -composite
}
build 101-build-both.png 1 1
build 105-build-previous.png 1 0
build 106-build-next.png 0 1

# Video button: an opaque white symbol and words on a 75 % black square.
video() {
  local file=$1 symbol=$2 words=$3
  save_alpha "$file" -size 200x200 xc:none -fill 'rgba(0,0,0,0.75)' -draw "roundrectangle 0,0 199,199 18,18" \
    -fill white -stroke white -strokewidth 8 -draw "stroke-linejoin round $symbol" -stroke none \
    -font "$BOLD" -pointsize 21 -gravity south -annotate +0+22 "$words"
}
video 1001-video-play.png "polygon 78,42 78,128 146,85" "play video"
video 1002-video-pause.png "rectangle 70,46 90,124 rectangle 110,46 130,124" "pause video"

# Page-turn cells of the all-slides pages (opaque, shown in a 120 x 90 cell).
page_cell() {
  local file=$1 arrow=$2 words=$3
  save_colour "$file" -size 121x90 "xc:$CARD" -fill none -stroke "$CARD_EDGE" -draw "rectangle 0,0 120,89" \
    -fill none -stroke "$ACCENT" -strokewidth 6 -draw "stroke-linejoin round stroke-linecap round $arrow" -stroke none \
    -fill "$CREAM" -font "$SANS" -pointsize 12 -gravity south -annotate +0+9 "$words"
}
page_cell 102-page-next.png "polyline 50,14 68,33 50,52" "Next page"
page_cell 103-page-previous.png "polyline 70,14 52,33 70,52" "Previous page"

# Highlight over the current slide's cell: an amber ring around the 118 x 88 cell area and a
# tab in the 9 pixels under it; the thumbnail shows through.
save_alpha 104-highlight.png -size 118x97 xc:none -fill none -stroke "$ACCENT" -strokewidth 4 \
  -draw "rectangle 2,2 115,85" -stroke none -fill "$ACCENT" -draw "polygon 47,88 71,88 59,96"

# Selector tile frames: a card with the thumbnail well at (16,16) and a caption strip below it.
# Large tiles are 352 x 320 with a 320 x 240 well, small ones 320 x 296 with 288 x 216.
tile() {
  local file=$1 w=$2 h=$3 ww=$4 wh=$5 look=$6 words=$7
  local x1=$((16 + ww - 1)) y1=$((16 + wh - 1))
  local sy=$((16 + wh + (h - 16 - wh) / 2))
  local card=$CARD edge=$CARD_EDGE text=$CREAM well=()
  case $look in
    filled) well=(-fill "$WELL" -draw "rectangle 16,16 $x1,$y1") ;;
    pressed) card='#3a3026' edge=$ACCENT well=(-fill "$WELL" -draw "rectangle 16,16 $x1,$y1"
             -fill none -stroke "$ACCENT" -strokewidth 3 -draw "rectangle 14,14 $((x1 + 2)),$((y1 + 2))" -stroke none) ;;
    empty) text=$MUTED well=(-fill 'rgba(0,0,0,0.25)' -stroke "$MUTED" -strokewidth 2
           -draw "stroke-dasharray 10 7 roundrectangle 17,17 $((x1 - 1)),$((y1 - 1)) 6,6" -stroke none) ;;
    add|addpressed)
      local cx=$((16 + ww / 2)) cy=$((16 + wh / 2)) colour=$CREAM dash=$MUTED
      if [ "$look" = addpressed ]; then card='#3a3026' edge=$ACCENT colour=$ACCENT dash=$ACCENT; fi
      text=$colour
      well=(-fill 'rgba(0,0,0,0.25)' -stroke "$dash" -strokewidth 2
            -draw "stroke-dasharray 10 7 roundrectangle 17,17 $((x1 - 1)),$((y1 - 1)) 6,6"
            -stroke "$colour" -strokewidth 6 -draw "line $((cx - 26)),$cy $((cx + 26)),$cy line $cx,$((cy - 26)) $cx,$((cy + 26))"
            -stroke none) ;;
  esac
  save_alpha "$file" -size "${w}x${h}" xc:none -fill "$card" -stroke "$edge" -strokewidth 2 \
    -draw "roundrectangle 1,1 $((w - 2)),$((h - 2)) 14,14" -stroke none "${well[@]}" \
    -fill "$text" -font "$BOLD" -pointsize 17 -gravity north -annotate "+0+$((sy - 12))" "$words"
}
tiles() {
  local prefix=$1 w=$2 h=$3 ww=$4 wh=$5
  tile "${prefix}4-tile-launch.png" "$w" "$h" "$ww" "$wh" filled "Present"
  tile "${prefix}5-tile-launch-pressed.png" "$w" "$h" "$ww" "$wh" pressed "Present"
  tile "${prefix}6-tile-launch-empty.png" "$w" "$h" "$ww" "$wh" empty "Empty slot"
  tile "${prefix}1-tile-manage.png" "$w" "$h" "$ww" "$wh" filled "Change or remove"
  tile "${prefix}2-tile-manage-pressed.png" "$w" "$h" "$ww" "$wh" pressed "Change or remove"
  tile "${prefix}7-tile-manage-empty.png" "$w" "$h" "$ww" "$wh" add "Add a presentation"
  tile "${prefix}8-tile-manage-empty-pressed.png" "$w" "$h" "$ww" "$wh" addpressed "Add a presentation"
}
tiles 101 320 296 288 216
tiles 111 352 320 320 240

# The launcher's splash picture; its lower edge fades into the splash window's colour (83, 72, 69).
save_colour 203-splash.png -size 384x256 'gradient:#1c1918-#534845' \
  -fill 'rgba(0,0,0,0.35)' -draw "roundrectangle 40,64 112,118 6,6" \
  -fill "$MUTED" -draw "roundrectangle 34,58 106,112 6,6" \
  -fill "$CREAM" -draw "roundrectangle 48,74 120,128 6,6" \
  -fill "$ACCENT" -draw "polygon 76,88 76,114 98,101" \
  -fill "$CREAM" -font "$BOLD" -pointsize 30 -annotate +140+102 "Ruvo" \
  -fill "$ACCENT" -font "$SANS" -pointsize 30 -annotate +140+136 "Presenter" \
  -fill "$MUTED" -font "$SANS" -pointsize 12 -annotate +36+200 "The presenter view for PowerPoint slide shows"

echo "artwork written to $out"
