. "$EXAMPLES/support/make_project.sh"
make_project modal
"$VERBSMITH" commands add Other.Beta --company Valdren --application Carthex --description "Beta" --tool-tip "B"
