file(REMOVE_RECURSE
  "libmsgrsim_core.a"
)
