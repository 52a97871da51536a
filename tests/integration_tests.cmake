# (filled in with the Win32 integration tests)
