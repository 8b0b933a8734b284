file(REMOVE_RECURSE
  "libskylet.a"
)
