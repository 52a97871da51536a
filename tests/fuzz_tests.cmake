# (filled in with the command-line fuzz target)
