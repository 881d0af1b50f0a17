#!/usr/bin/env bash
# Hands out a private 32-bit Wine prefix for one run.
#
#   wine-prefix.sh [DEST]     copy the template prefix to DEST (default: a new
#                             folder under ${TMPDIR:-/tmp}) and print its path
#   wine-prefix.sh --template make sure the template exists and print its path
#
# Creating a prefix takes 15-25 s, copying one about a second, so the template
# is made once and cached in ${AMBRIX_WINE_CACHE:-~/.cache/ambrix}, outside the
# source tree.  It is rebuilt when the settings below or the Wine version change.
# Wine refuses a prefix that belongs to another user, so the cache lives under
# the home of whoever runs this, root included.
set -euo pipefail

home="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
cache="${AMBRIX_WINE_CACHE:-${XDG_CACHE_HOME:-$home/.cache}/ambrix}"
template="$cache/prefix-template"
stamp_file="$template/.ambrix-stamp"

# Settings every run needs:
# - Managed=N: with no window manager, Wine draws captions and frames itself
#   (Decorated=N alone makes every hide stall for about 2 s);
# - ShowCrashDialog=0: a crash must end the program, not wait for a click;
# - Fonts\Replacements: the dialog font "MS Shell Dlg" is Tahoma, whose font
#   links fall back to SimSun for Chinese; mapping SimSun and the other Chinese
#   system fonts to an installed CJK font makes the Chinese texts render.
settings() {
  cat <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"SimHei"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"Microsoft YaHei UI"="WenQuanYi Micro Hei"
"PMingLiU"="WenQuanYi Micro Hei"
"MingLiU"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
"黑体"="WenQuanYi Micro Hei"
"微软雅黑"="WenQuanYi Micro Hei"
REG
}

wanted_stamp() {
  # Wine's own fonts (fonts-wine) count too: the prefix caches the font list.
  { settings; wine --version; ls /usr/share/wine/fonts 2>/dev/null; } | sha256sum | cut -d' ' -f1
}

# Mono and Gecko installers would ask, in a window, whether to download;
# nothing here needs .NET or HTML, and menu entries would litter $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win32
export WINEDEBUG=-all

build_template() {
  local work prefix
  work="$(mktemp -d "$cache/prefix-build.XXXXXX")"
  prefix="$work/prefix"
  echo "wine-prefix.sh: creating the template prefix in $template" >&2
  local start=$SECONDS
  WINEPREFIX="$prefix" wineboot -i >"$work/wineboot.log" 2>&1 || {
    cat "$work/wineboot.log" >&2
    echo "wine-prefix.sh: wineboot failed" >&2
    rm -rf "$work"
    return 1
  }
  # The registry takes UTF-16 with a byte-order mark for non-ASCII names.
  { printf '\xff\xfe'; settings | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } >"$work/settings.reg"
  WINEPREFIX="$prefix" wine reg import "$work/settings.reg" >>"$work/wineboot.log" 2>&1
  WINEPREFIX="$prefix" wineserver -w
  wanted_stamp >"$prefix/.ambrix-stamp"
  rm -rf "$template"
  mv "$prefix" "$template"
  rm -rf "$work"
  echo "wine-prefix.sh: template ready after $((SECONDS - start)) s" >&2
}

ensure_template() {
  mkdir -p "$cache"
  if [ ! -O "$cache" ]; then
    echo "wine-prefix.sh: $cache belongs to another user; set AMBRIX_WINE_CACHE" >&2
    exit 1
  fi
  exec 9>"$cache/prefix-template.lock"
  flock -x 9
  if [ ! -f "$stamp_file" ] || [ "$(cat "$stamp_file")" != "$(wanted_stamp)" ]; then
    build_template
  fi
  # Copies only read the template: let them overlap, but not with a rebuild.
  flock -s 9
}

if [ "${1:-}" = "--template" ]; then
  ensure_template
  echo "$template"
  exit 0
fi

ensure_template
if [ $# -ge 1 ]; then
  dest="$1"
  [ ! -e "$dest" ] || { echo "wine-prefix.sh: $dest already exists" >&2; exit 1; }
else
  dest="$(mktemp -d "${TMPDIR:-/tmp}/ambrix-wine.XXXXXX")/prefix"
fi
cp -a "$template" "$dest"
echo "$dest"
