# (filled in with the UI driver tests)
