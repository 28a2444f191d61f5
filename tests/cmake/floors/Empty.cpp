// A library needs one source.
