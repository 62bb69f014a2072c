#!/usr/bin/env bash
# Draws every artwork picture under resources/artwork with ImageMagick and the DejaVu fonts, so the
# pictures can be remade byte for byte: the PNG artwork, the JPEG pictures of the form layouts and
# the product icon. One theme throughout: warm graphite, cream text, amber accent.
# Usage: scripts/make-artwork.sh   (writes the files named in resources/Ruvo_Server.rc and
#        resources/Ruvo_Presenter.rc; the .rc files map them to their ids)
. "$(dirname "$0")/lib.sh"
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

# ---- Pictures stored with the form layouts: JPEG under resources/artwork, listed under type 401.
# Each one is drawn on the strip of the 1280x1024 background that it covers on screen, so its
# corners melt into the screen around it.
JPEG=(-type TrueColor -strip -interlace none -sampling-factor 1x1 -quality 90)
save_jpeg() { local f=$1; shift; convert "$@" "${JPEG[@]}" "JPEG:$out/$f"; }
# The background under a w x h picture at (x, y) of a 1280x1024 screen, as an image operand; kept
# inside the screen, so the picture gets its full size.
under() {
  local x=$(($3 + $1 > 1280 ? 1280 - $1 : $3)) y=$(($4 + $2 > 1024 ? 1024 - $2 : $4))
  UNDER=(\( "$out/2001-selector-1280x1024.png" -crop "$1x$2+$x+$y" +repage -type TrueColor \))
}
# Width in pixels of words set in the bold face at a point size.
text_width() { convert -font "$BOLD" -pointsize "$2" label:"$1" -format %w info:; }
# A w x h gradient shaped as a rounded rectangle (x0,y0)-(x1,y1), as an image operand.
shape() {
  local w=$1 h=$2 top=$3 bottom=$4 box=$5 r=$6
  SHAPE=(\( -size "${w}x${h}" "gradient:$top-$bottom" \( -size "${w}x${h}" xc:black -fill white
         -draw "roundrectangle $box $r,$r" \) -alpha off -compose CopyOpacity -composite \) -compose over -composite)
}

# Button symbols, 22 px wide, centred on (cx, cy) in the colour c; into ICON.
icon() {
  local name=$1 cx=$2 cy=$3 c=$4 fill=${5:-none}
  case $name in
    play) ICON=(-stroke none -fill "$c" -draw "polygon $((cx - 7)),$((cy - 10)) $((cx - 7)),$((cy + 10)) $((cx + 10)),$cy") ;;
    sliders)
      ICON=(-fill none -stroke "$c" -strokewidth 2 -draw "line $((cx - 11)),$((cy - 7)) $((cx + 11)),$((cy - 7))
            line $((cx - 11)),$cy $((cx + 11)),$cy line $((cx - 11)),$((cy + 7)) $((cx + 11)),$((cy + 7))"
            -stroke none -fill "$c" -draw "circle $((cx - 4)),$((cy - 7)) $((cx - 1)),$((cy - 7))
            circle $((cx + 5)),$cy $((cx + 8)),$cy circle $((cx - 1)),$((cy + 7)) $((cx + 2)),$((cy + 7))") ;;
    power)
      ICON=(-fill none -stroke "$c" -strokewidth 3 -draw "stroke-linecap round arc $((cx - 9)),$((cy - 8)) $((cx + 9)),$((cy + 10)) -55,235"
            -draw "stroke-linecap round line $cx,$((cy - 10)) $cx,$((cy + 1))" -stroke none) ;;
    reduce)
      ICON=(-fill none -stroke "$c" -strokewidth 3 -draw "stroke-linecap round stroke-linejoin round
            polyline $((cx - 11)),$((cy - 7)) $((cx - 4)),$cy $((cx - 11)),$((cy + 7))
            polyline $((cx + 11)),$((cy - 7)) $((cx + 4)),$cy $((cx + 11)),$((cy + 7))"
            -strokewidth 2 -draw "line $cx,$((cy - 10)) $cx,$((cy + 10))" -stroke none) ;;
    screen)
      ICON=(-fill "$fill" -stroke "$c" -strokewidth 2 -draw "roundrectangle $((cx - 11)),$((cy - 9)) $((cx + 11)),$((cy + 5)) 2,2"
            -fill none -draw "line $cx,$((cy + 6)) $cx,$((cy + 9)) line $((cx - 6)),$((cy + 10)) $((cx + 6)),$((cy + 10))" -stroke none) ;;
    grid)
      local d="" r k
      for r in 0 1; do for k in 0 1 2; do
        d+="rectangle $((cx - 11 + k * 8)),$((cy - 7 + r * 8)) $((cx - 6 + k * 8)),$((cy - 2 + r * 8)) "
      done; done
      ICON=(-stroke none -fill "$c" -draw "$d") ;;
    presenter)  # the previous, current and next slides, and the notes under them
      ICON=(-stroke none -fill "$c" -draw "rectangle $((cx - 5)),$((cy - 8)) $((cx + 5)),$((cy + 1))
            rectangle $((cx - 11)),$((cy - 4)) $((cx - 8)),$((cy + 1)) rectangle $((cx + 8)),$((cy - 4)) $((cx + 11)),$((cy + 1))
            rectangle $((cx - 11)),$((cy + 5)) $((cx + 11)),$((cy + 6)) rectangle $((cx - 11)),$((cy + 9)) $((cx + 4)),$((cy + 10))") ;;
    up|down)
      local t=1
      [ "$name" = up ] && t=-1
      ICON=(-fill none -stroke "$c" -strokewidth 3 -draw "stroke-linecap round stroke-linejoin round
            polyline $((cx - 8)),$((cy - 4 * t)) $cx,$((cy + 4 * t)) $((cx + 8)),$((cy - 4 * t))" -stroke none) ;;
  esac
}

# A picture button's face, w x h at (x, y) on the 1280x1024 screen: a raised graphite key with a
# symbol and words. Looks: up; down (pressed: darker, sunk by a pixel, amber edge); hot and hotdown
# (amber key, for the face that says the audience sees a black screen).
face() {
  local file=$1 w=$2 h=$3 x=$4 y=$5 look=$6 symbol=$7 words=$8 pt=${9:-17}
  local top='#4c4540' bottom='#332e2b' edge='rgba(255,255,255,0.18)' ink=$CREAM mark=$ACCENT fill='#0b0a09'
  local sink=0 ew=1 shine='rgba(255,255,255,0.10)'
  case $look in
    down) top='#171513' bottom='#26221f' edge=$ACCENT ink='#f5dcb0' sink=1 ew=2 shine='rgba(0,0,0,0.45)' ;;
    hot) top='#f2b764' bottom='#cf8b32' edge='#ffdca6' ink='#1a1715' mark='#1a1715' fill='#fff6e2' ;;
    hotdown) top='#9a5f1c' bottom='#b9792b' edge='#ffdca6' ink='#1a1715' mark='#1a1715' fill='#fff6e2' sink=1 ew=2
             shine='rgba(0,0,0,0.35)' ;;
  esac
  local tw gap=9 total left cy=$(((h - 2) / 2 + sink))
  tw=$(text_width "$words" "$pt")
  total=$((22 + gap + tw)) left=$(((w - total) / 2 + sink))
  under "$w" "$h" "$x" "$y"
  shape "$w" "$h" "$top" "$bottom" "1,$((1 + sink)) $((w - 2)),$((h - 3 + sink))" 9
  icon "$symbol" $((left + 11)) "$cy" "$mark" "$fill"
  local shadow=()
  [ "$sink" = 0 ] && shadow=(-fill 'rgba(0,0,0,0.45)' -draw "roundrectangle 1,3 $((w - 2)),$((h - 1)) 9,9")
  save_jpeg "$file" "${UNDER[@]}" "${shadow[@]}" "${SHAPE[@]}" \
    -fill none -stroke "$shine" -strokewidth 1 -draw "line 9,$((2 + sink)) $((w - 10)),$((2 + sink))" \
    -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle 1,$((1 + sink)) $((w - 2)),$((h - 3 + sink)) 9,9" -stroke none \
    "${ICON[@]}" -fill "$ink" -font "$BOLD" -pointsize "$pt" -gravity West \
    -annotate "+$((left + 22 + gap))+$((cy - h / 2))" "$words" -gravity NorthWest
}

# Selector: the Launch/Manage toggle at (16, 16), Exit and Reduce empty slots along the bottom.
face 4001-selector-launch-up.jpg 286 54 16 16 up play "Launch" 19
face 4002-selector-launch-down.jpg 286 54 16 16 down play "Launch" 19
face 4003-selector-manage-up.jpg 286 54 16 16 up sliders "Manage" 19
face 4004-selector-manage-down.jpg 286 54 16 16 down sliders "Manage" 19
face 4005-selector-exit-up.jpg 109 54 1155 954 up power "Exit"
face 4006-selector-exit-down.jpg 109 54 1155 954 down power "Exit"
face 4007-selector-reduce-empty-slots-up.jpg 246 54 16 954 up reduce "Reduce empty slots" 16
face 4008-selector-reduce-empty-slots-down.jpg 246 54 16 954 down reduce "Reduce empty slots" 16

# The selector tile's backdrop: only its corners show around the tile frames, on tiles of any row,
# so it takes the background's mean shade at the top and at the bottom of the large tiles' rows.
shade() {
  convert "$out/2001-selector-1280x1024.png" \( -clone 0 -crop "1168x16+56+$1" \) \( -clone 0 -crop "1168x16+56+$2" \) \
    -delete 0 -append -scale '1x1!' -format '%[pixel:p{0,0}]' info:
}
save_jpeg 4101-tile-background.jpg -size 352x320 "gradient:$(shade 151 552)-$(shade 455 856)"

# Slide-show screen's top bar. The Blank face shows while the audience sees the slide; the Show
# face, amber, while the audience screen is black.
face 4201-show-up.jpg 222 54 269 15 hot screen "Show screen"
face 4202-blank-up.jpg 222 54 269 15 up screen "Blank screen"
face 4203-show-down.jpg 222 54 269 15 hotdown screen "Show screen"
face 4204-blank-down.jpg 222 54 269 15 down screen "Blank screen"
face 4205-hide-all-slides-up.jpg 222 54 24 15 up presenter "Presenter view"
face 4206-show-all-slides-up.jpg 222 54 24 15 up grid "All slides"
face 4207-hide-all-slides-down.jpg 222 54 24 15 down presenter "Presenter view"
face 4208-show-all-slides-down.jpg 222 54 24 15 down grid "All slides"
face 4209-slide-show-exit-up.jpg 109 54 1153 14 up power "Exit"
face 4210-slide-show-exit-down.jpg 109 54 1153 14 down power "Exit"

# Timer panel: a plate hanging from the top edge with two light windows, behind the black elapsed
# time (x 16..81) and clock (x 128..225) that the screen draws over it, captioned above.
timer_window() {
  local x0=$1 x1=$2
  TIMER+=(\( -size "$((x1 - x0 + 1))x40" 'gradient:#fffaf0-#e6dcc8' \( -size "$((x1 - x0 + 1))x40" xc:black -fill white
          -draw "roundrectangle 0,0 $((x1 - x0)),39 6,6" \) -alpha off -compose CopyOpacity -composite \)
          -geometry "+$x0+17" -compose over -composite
          -fill none -stroke 'rgba(0,0,0,0.55)' -strokewidth 1 -draw "roundrectangle $x0,17 $x1,56 6,6"
          -stroke 'rgba(0,0,0,0.18)' -draw "line $((x0 + 4)),18 $((x1 - 4)),18" -stroke none)
}
TIMER=()
timer_window 10 87
timer_window 120 233
under 255 61 512 0
shape 255 61 '#3d3733' '#2a2522' "1,-12 253,59" 10
save_jpeg 4211-start-timer.jpg "${UNDER[@]}" -fill 'rgba(0,0,0,0.5)' -draw "roundrectangle 1,-10 253,60 10,10" \
  "${SHAPE[@]}" -fill none -stroke 'rgba(255,255,255,0.16)' -draw "roundrectangle 1,-12 253,59 10,10" -stroke none \
  "${TIMER[@]}" -fill "$MUTED" -font "$BOLD" -pointsize 9 -kerning 1 -annotate +13+13 "ELAPSED" -annotate +123+13 "CLOCK"

# Presenter view. Frame coordinates map to the background as (x + 2, y + 86). The notes panel: a
# header bar over a grey text area that lies under the notes text (x 24..553, y 69..398).
notes_panel() {
  local file=$1 look=$2 bar_top='#4c4540' bar_bottom='#38322e' ink=$CREAM edge='rgba(255,255,255,0.14)' ew=1 sink=0
  local body_top='#2e2a28' body_bottom='#252120' paper='#d6d1c9'
  if [ "$look" = down ]; then
    bar_top='#171513' bar_bottom='#26221f' ink='#f5dcb0' edge=$ACCENT ew=2 sink=1
    body_top='#201d1b' body_bottom='#1a1716' paper='#cbc5bc'
  fi
  local tw left
  tw=$(text_width "hide my notes" 18) left=$(((576 - tw - 30) / 2 + sink))
  under 576 415 354 105
  shape 576 415 "$body_top" "$body_bottom" "0,0 575,430" 12
  local body=("${SHAPE[@]}")
  shape 576 415 "$bar_top" "$bar_bottom" "8,$((8 + sink)) 567,$((51 + sink))" 8
  icon up $((left + 8)) $((30 + sink)) "$ACCENT"
  save_jpeg "$file" "${UNDER[@]}" "${body[@]}" "${SHAPE[@]}" \
    -fill none -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle 8,$((8 + sink)) 567,$((51 + sink)) 8,8" -stroke none \
    "${ICON[@]}" -fill "$ink" -font "$BOLD" -pointsize 18 -gravity West -annotate "+$((left + 30))+$((30 + sink - 415 / 2))" "hide my notes" \
    -gravity NorthWest -fill "$paper" -draw "roundrectangle 12,60 563,430 6,6" \
    -fill none -stroke 'rgba(0,0,0,0.35)' -draw "roundrectangle 12,60 563,430 6,6" -stroke none \
    -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle $((ew - 1)),$((ew - 1)) $((576 - ew)),430 12,12" -stroke none
}
notes_panel 4301-hide-notes-up.jpg up
notes_panel 4302-hide-notes-down.jpg down

# The bar that calls the notes up: a tab standing on the current slide's frame.
notes_bar() {
  local file=$1 look=$2 top='#4c4540' bottom='#38322e' ink=$CREAM edge='rgba(255,255,255,0.18)' ew=1 sink=0
  if [ "$look" = down ]; then
    top='#171513' bottom='#26221f' ink='#f5dcb0' edge=$ACCENT ew=2 sink=1
  fi
  local tw left
  tw=$(text_width "show my notes" 18) left=$(((576 - tw - 30) / 2 + sink))
  under 576 61 354 457
  shape 576 61 "$top" "$bottom" "0,$((4 + sink)) 575,80" 12
  icon down $((left + 8)) $((33 + sink)) "$ACCENT"
  save_jpeg "$file" "${UNDER[@]}" "${SHAPE[@]}" \
    -fill none -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle $((ew - 1)),$((4 + sink)) $((576 - ew)),80 12,12" -stroke none \
    "${ICON[@]}" -fill "$ink" -font "$BOLD" -pointsize 18 -gravity West -annotate "+$((left + 30))+$((33 + sink - 61 / 2))" "show my notes" \
    -gravity NorthWest
}
notes_bar 4303-show-notes-up.jpg up
notes_bar 4304-show-notes-down.jpg down

# The current slide's frame: the slide area (16, 16) 576x432 ringed in amber.
under 608 464 338 518
shape 608 464 '#2e2a28' '#242020' "0,0 607,463" 12
save_jpeg 4305-cur-slide-panel.jpg "${UNDER[@]}" "${SHAPE[@]}" \
  -fill none -stroke 'rgba(255,255,255,0.14)' -draw "roundrectangle 0,0 607,463 12,12" \
  -stroke "$ACCENT" -strokewidth 2 -draw "rectangle 13,13 594,450" -stroke none -fill "$WELL" -draw "rectangle 16,16 591,447"

# Previous and next panels: the slide area (320x240) lies against the current slide's frame, so the
# panel's frame runs round the outer side only, with a bar under the area. Drawn with the outer side
# at the left and mirrored for the next panel before the words are set. Looks: up, down (pressed),
# off (no such slide: darkened, no slide area).
side_panel() {
  local file=$1 side=$2 look=$3 h=317 sink=0 ew=1 edge='rgba(255,255,255,0.14)' ink=$CREAM
  local body_top='#2e2a28' body_bottom='#252120' bar_top='#433c38' bar_bottom='#322d2a' area=white
  case $look in
    down) bar_top='#171513' bar_bottom='#26221f' ink='#f5dcb0' edge=$ACCENT ew=2 sink=1
          body_top='#201d1b' body_bottom='#1a1716' ;;
    off) h=320 ink='#6b635c' edge='rgba(255,255,255,0.06)' area='#121110'
         body_top='#1f1c1a' body_bottom='#1a1817' bar_top='#221f1d' bar_bottom='#1d1a19' ;;
  esac
  local words="< previous slide" empty="no previous slide" centre=176 left=0 flip=()
  if [ "$side" = next ]; then
    words="next slide >" empty="no next slide" centre=160 left=944 flip=(-flop)
  fi
  under 336 "$h" $((left + 2)) 646
  local back=(\( "${UNDER[@]}" "${flip[@]}" \))
  shape 336 "$h" "$bar_top" "$bar_bottom" "16,$((264 + sink)) 371,$((306 + sink))" 8
  local bar=("${SHAPE[@]}")
  shape 336 "$h" "$body_top" "$body_bottom" "0,0 360,$((h - 1))" 12
  local note=()
  [ "$look" = off ] && note=(-fill '#5b544e' -font "$SANS" -pointsize 15
    -annotate "+$((centre - $(text_width "$empty" 15) / 2))+141" "$empty")
  save_jpeg "$file" "${back[@]}" "${SHAPE[@]}" \
    -fill none -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle $((ew - 1)),$((ew - 1)) 360,$((h - ew)) 12,12" \
    -stroke none -fill "$area" -draw "rectangle 16,16 335,255" "${bar[@]}" \
    -fill none -stroke "$edge" -strokewidth "$ew" -draw "roundrectangle 16,$((264 + sink)) 371,$((306 + sink)) 8,8" \
    -stroke none "${flip[@]}" -fill "$ink" -font "$BOLD" -pointsize 18 \
    -annotate "+$((centre - $(text_width "$words" 18) / 2 + sink))+$((291 + sink))" "$words" "${note[@]}"
}
side_panel 4306-next-slide-panel-up.jpg next up
side_panel 4307-prev-slide-panel-up.jpg prev up
side_panel 4308-prev-slide-panel-down.jpg prev down
side_panel 4309-prev-slide-panel-disabled.jpg prev off
side_panel 4310-next-slide-panel-down.jpg next down
side_panel 4311-next-slide-panel-disabled.jpg next off

# The product icon: a graphite square, two slides and an amber play mark, as in the splash picture.
# Drawn at eight times the size and scaled down, once per size.
product_icon() {
  local size=$1 u=$(($1 * 8))
  k() { echo $(($1 * u / 48)); }  # a coordinate on a 48-unit grid
  convert -size "${u}x${u}" xc:none \
    \( -size "${u}x${u}" 'gradient:#4a413c-#1c1918' \( -size "${u}x${u}" xc:black -fill white \
       -draw "roundrectangle $(k 1),$(k 1) $(k 47),$(k 47) $(k 10),$(k 10)" \) -alpha off -compose CopyOpacity -composite \) \
    -compose over -composite -fill none -stroke "$ACCENT" -strokewidth "$(k 2)" \
    -draw "roundrectangle $(k 2),$(k 2) $(k 46),$(k 46) $(k 9),$(k 9)" -stroke none \
    -fill "$MUTED" -draw "roundrectangle $(k 7),$(k 10) $(k 31),$(k 28) $(k 2),$(k 2)" \
    -fill "$CREAM" -draw "roundrectangle $(k 15),$(k 18) $(k 41),$(k 38) $(k 2),$(k 2)" \
    -fill "$ACCENT" -draw "polygon $(k 23),$(k 22) $(k 23),$(k 34) $(k 34),$(k 28)" \
    -filter Box -resize "${size}x${size}" -depth 8 "${STRIP[@]}" "PNG32:$2"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for size in 16 32 48; do product_icon "$size" "$tmp/$size.png"; done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "ICO:$out/ruvo.ico"
cp "$tmp/32.png" "$out/4401-about-product.png"

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
