# Sourced: $awkward_items, files and a folder under $work/items, one per folder, with names that
# a shell re-parsing them would run: it would create $HOME/pwned (the names hold no slash).
awkward_items=(
  "$work/items/1/"$'-$(cd;touch pwned) "double" \'single\'  two  spaces.txt'
  "$work/items/2/"$'`cd;touch pwned` $HOME ${PATH} R\xc3\xa9sum\xc3\xa9 \xc3\xbc.txt'
  "$work/items/3/"$'two\nlines \xff\xfe not UTF-8.txt'
  "$work/items/4/"$'-a folder; $(cd;touch pwned) & more'
)
for item in "${awkward_items[@]}"; do
  mkdir -p "$(dirname "$item")"
  case $item in *.txt) echo content > "$item" ;; *) mkdir "$item" ;; esac
done
