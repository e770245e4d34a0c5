#!/usr/bin/env bash
# Regenerates every picture under resources/ from scratch:
#   resources/animals/<animal>.png     200x200, white animal on a dark blue disc
#   resources/animals/<animal>@2x.png  400x400, the same for a display scale of 2
#   resources/symbols/<animal>.png     56x56, the sign's kanji in black on white
#   resources/symbols/<animal>@2x.png  112x112, the same for a display scale of 2
#   resources/app_icon.png             256x256 application icon
#   resources/app_icon_32.png          32x32 application icon
#   resources/app_icon_32@2x.png       64x64, the same for a display scale of 2
#   resources/link_cursor.png          32x32 pointing hand (hot spot 11,1)
#
# The @2x pictures are rendered again from the vector sources with every
# dimension doubled, not scaled up from the 1x ones, so they stay sharp.
#
# Sources (all fetched fresh on every run, nothing is kept in the tree):
#   npm   @iconify-json/game-icons                  CC BY 3.0  (game-icons.net)
#   npm   @iconify-json/mdi                         Apache 2.0 (Pictogrammers)
#   npm   @iconify-json/fluent-emoji-high-contrast  MIT        (Microsoft)
#   npm   @iconify-json/tabler                      MIT        (Pawel Kuna)
#   apt   fonts-noto-cjk (Noto Serif CJK JP Bold)   SIL OFL 1.1
# Tools: rsvg-convert (librsvg2-bin), ImageMagick 6, pngquant, node/npm.
#
# Usage: tools/make_pictures.sh   (needs root, or sudo, only if a Debian
# package below is missing)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
res="$root/resources"

# ---------------------------------------------------------------- tools
apt_pkgs=(librsvg2-bin imagemagick fonts-noto-cjk pngquant)
missing=()
for p in "${apt_pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# node and npm may come from elsewhere than Debian; only install them if absent.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# ImageMagick 6 from Debian; do not trust whatever "convert" comes first in PATH.
if [[ -x /usr/bin/convert ]]; then IM=/usr/bin/convert
elif command -v magick >/dev/null; then IM=magick
else echo "ImageMagick not found" >&2; exit 1
fi
kanji_font=Noto-Serif-CJK-JP-Bold
if ! "$IM" -list font | grep -q "Font: $kanji_font\$"; then
    echo "ImageMagick does not see the font $kanji_font (fonts-noto-cjk)" >&2; exit 1
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

npm install --prefix "$tmp" --no-save --no-audit --no-fund --no-package-lock --loglevel=error \
    @iconify-json/game-icons@1.2.4 \
    @iconify-json/mdi@1.2.3 \
    @iconify-json/fluent-emoji-high-contrast@1.2.6 \
    @iconify-json/tabler@1.2.41 >/dev/null
nm="$tmp/node_modules"

# Small helper that turns one icon of an Iconify JSON set into SVG.
#   node icon.js plain SET NAME COLOUR            -> the icon alone
#   node icon.js disc  SET NAME COLOUR SIZE BOX DISC X,Y,W,H
#        -> SIZE x SIZE picture: a DISC coloured disc filling it, and the icon's
#           ink box (X,Y,W,H in icon units) scaled to fit a BOX x BOX centred square
cat > "$tmp/icon.js" <<'JS'
const [mode, set, name, colour, size, box, disc, bbox] = process.argv.slice(2);
const j = require(`${process.env.NM}/@iconify-json/${set}/icons.json`);
let n = name, extra = {};
while (!j.icons[n]) {
  const a = j.aliases && j.aliases[n];
  if (!a) { console.error(`no icon ${set}:${name}`); process.exit(1); }
  extra = Object.assign({}, a, extra); n = a.parent;
}
const ic = Object.assign({}, j.icons[n], extra);
const w = ic.width || j.width || 16, h = ic.height || j.height || 16;
const l = ic.left || 0, t = ic.top || 0;
let body = ic.body.replace(/currentColor/g, colour);
if (ic.hFlip || ic.vFlip)
  body = `<g transform="translate(${ic.hFlip ? w + 2 * l : 0} ${ic.vFlip ? h + 2 * t : 0}) scale(${ic.hFlip ? -1 : 1} ${ic.vFlip ? -1 : 1})">${body}</g>`;
const ns = 'xmlns="http://www.w3.org/2000/svg"';
if (mode === 'plain') {
  console.log(`<svg ${ns} viewBox="${l} ${t} ${w} ${h}" width="${w}" height="${h}">${body}</svg>`);
} else {
  const S = +size, B = +box, [bx, by, bw, bh] = bbox.split(',').map(Number);
  const r = S / 2;
  console.log(`<svg ${ns} width="${S}" height="${S}" viewBox="0 0 ${S} ${S}">` +
    `<circle cx="${r}" cy="${r}" r="${r - 0.5}" fill="${disc}"/>` +
    `<svg x="${(S - B) / 2}" y="${(S - B) / 2}" width="${B}" height="${B}" ` +
    `viewBox="${bx} ${by} ${bw} ${bh}" overflow="visible">${body}</svg></svg>`);
}
JS
export NM="$nm"

# Writes a PNG with an 8-bit palette and no time stamps, so reruns give the same bytes.
squeeze() {  # in.png out.png
    pngquant --force --strip --speed 1 --quality 70-100 --output "$2" -- "$1" 2>/dev/null \
        || "$IM" "$1" -strip -define png:exclude-chunks=date,time "$2"
}

# Icon units of the ink box of SET:NAME, as X,Y,W,H.
ink_box() {  # set name
    local big=1024 vb geo
    node "$tmp/icon.js" plain "$1" "$2" '#000000' > "$tmp/plain.svg"
    vb=$(sed -n 's/.*viewBox="\([^"]*\)".*/\1/p' "$tmp/plain.svg" | head -1)
    rsvg-convert -w $big -h $big "$tmp/plain.svg" -o "$tmp/plain.png"
    geo=$("$IM" "$tmp/plain.png" -alpha extract -threshold 0 -format '%@' info:)
    # geo = WxH+X+Y in pixels of the big render
    awk -v vb="$vb" -v geo="$geo" -v big=$big 'BEGIN{
        split(vb, v, " "); split(geo, g, /[x+]/); s = v[3] / big;
        printf "%g,%g,%g,%g", v[1] + g[3]*s, v[2] + g[4]*s, g[1]*s, g[2]*s }'
}

disc_picture() {  # set name size box out.png
    local bb
    bb=$(ink_box "$1" "$2")
    node "$tmp/icon.js" disc "$1" "$2" '#FFFFFF' "$3" "$4" '#1B3A9A' "$bb" > "$tmp/disc.svg"
    rsvg-convert -w "$3" -h "$3" "$tmp/disc.svg" -o "$tmp/disc.png"
    squeeze "$tmp/disc.png" "$5"
}

rm -rf "$res/animals" "$res/symbols" "$res/app_icon.png" "$res/app_icon_32.png" \
    "$res/app_icon_32@2x.png" "$res/link_cursor.png"
mkdir -p "$res/animals" "$res/symbols"

# ---------------------------------------------------------------- animals
# animal  icon-set  icon-name  kanji
signs=(
    "rat      game-icons                  rat                子"
    "ox       fluent-emoji-high-contrast  water-buffalo      丑"
    "tiger    game-icons                  tiger-head         寅"
    "rabbit   game-icons                  rabbit             卯"
    "dragon   game-icons                  spiked-dragon-head 辰"
    "snake    game-icons                  snake              巳"
    "horse    mdi                         horse              午"
    "sheep    game-icons                  sheep              未"
    "monkey   fluent-emoji-high-contrast  monkey             申"
    "rooster  game-icons                  rooster            酉"
    "dog      game-icons                  sitting-dog        戌"
    "boar     game-icons                  boar               亥"
)

for line in "${signs[@]}"; do
    read -r animal set icon kanji <<<"$line"
    disc_picture "$set" "$icon" 200 128 "$res/animals/$animal.png"
    disc_picture "$set" "$icon" 400 256 "$res/animals/$animal@2x.png"

    # Kanji: rendered large, cut to its ink, scaled by the same factor for every
    # sign (so strokes have equal weight) and centred on a white 56x56 square.
    # The @2x square takes twice the factor, so strokes keep their weight
    # relative to the square.
    for k in "13% 56x56 $animal.png" "26% 112x112 $animal@2x.png"; do
        read -r factor square out <<<"$k"
        "$IM" -background white -fill black -font "$kanji_font" -pointsize 400 \
            label:"$kanji" -trim +repage -filter Lanczos -resize "$factor" \
            -gravity center -extent "$square" -colorspace Gray -depth 8 "$tmp/kanji.png"
        squeeze "$tmp/kanji.png" "$res/symbols/$out"
    done
done

# ---------------------------------------------------------------- app icon
disc_picture game-icons spiked-dragon-head 256 168 "$res/app_icon.png"
disc_picture game-icons spiked-dragon-head 32 25 "$res/app_icon_32.png"
disc_picture game-icons spiked-dragon-head 64 50 "$res/app_icon_32@2x.png"

# ---------------------------------------------------------------- cursor
# tabler "hand-finger" outline, thinner stroke, black outline with white inside,
# transparent outside. The fingertip (hot spot) lands at pixel (11, 1).
node "$tmp/icon.js" plain tabler hand-finger '#000000' \
    | sed -e 's/stroke-width="2"/stroke-width="1.5"/' -e 's/viewBox="0 0 24 24"/viewBox="1.5 1.5 22 22"/' \
    > "$tmp/hand.svg"
rsvg-convert -w 512 -h 512 -b white "$tmp/hand.svg" -o "$tmp/hand_big.png"
# Outside of the outline becomes transparent; the inside stays white.
"$IM" "$tmp/hand_big.png" -alpha set -fuzz 40% -fill none -draw 'color 0,0 floodfill' \
    -filter Box -resize 32x32 "$tmp/hand.png"
squeeze "$tmp/hand.png" "$res/link_cursor.png"

echo "pictures written under $res"
