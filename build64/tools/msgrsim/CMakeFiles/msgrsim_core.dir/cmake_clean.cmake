file(REMOVE_RECURSE
  "CMakeFiles/msgrsim_core.dir/ContactEditor.cpp.obj"
  "CMakeFiles/msgrsim_core.dir/ContactEditor.cpp.obj.d"
  "CMakeFiles/msgrsim_core.dir/ContactFile.cpp.obj"
  "CMakeFiles/msgrsim_core.dir/ContactFile.cpp.obj.d"
  "CMakeFiles/msgrsim_core.dir/FrontEnd.cpp.obj"
  "CMakeFiles/msgrsim_core.dir/FrontEnd.cpp.obj.d"
  "CMakeFiles/msgrsim_core.dir/__/__/framework/AnsiText.cpp.obj"
  "CMakeFiles/msgrsim_core.dir/__/__/framework/AnsiText.cpp.obj.d"
  "CMakeFiles/msgrsim_core.dir/__/__/framework/RegKey.cpp.obj"
  "CMakeFiles/msgrsim_core.dir/__/__/framework/RegKey.cpp.obj.d"
  "CMakeFiles/msgrsim_core.dir/generated/Messenger_i.c.obj"
  "CMakeFiles/msgrsim_core.dir/generated/Messenger_i.c.obj.d"
  "generated/Messenger.h"
  "generated/Messenger.tlb"
  "generated/Messenger_i.c"
  "libmsgrsim_core.a"
  "libmsgrsim_core.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang C CXX)
  include(CMakeFiles/msgrsim_core.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
