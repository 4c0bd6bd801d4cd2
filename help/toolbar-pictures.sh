#!/bin/sh
# Draws the toolbar for the help from the program's own toolbar pictures:
# each button alone (button00.gif to button18.gif) and the whole bar with the
# gaps between its groups (toolbar.gif).
# Usage: toolbar-pictures.sh <convert> <toolbar.xpm> <folder to write>
set -eu
convert=$1 pictures=$2 folder=$3
face='#C0C0C0'

mkdir -p "$folder"
rm -f "$folder"/*.gif
# Buttons of 23 x 22 pixels, raised as the toolbar draws them.
"$convert" "$pictures" -crop 16x15 +repage -background "$face" -gravity center -extent 23x22 -raise 1 \
    +adjoin "$folder/button%02d.gif"

# A gap goes where the program inserts a separator, at the same indices.
set --
for index in 3 5 10 18 20 22 24; do
    set -- "$@" '(' -size 8x22 "xc:$face" ')' -insert "$index"
done
"$convert" "$folder"/button*.gif "$@" +append "$folder/toolbar.gif"
