# KV_SANITIZE=ON builds everything (the module, the tools and the tests) under
# AddressSanitizer, with its leak checker, and UndefinedBehaviorSanitizer. A finding
# ends the program with a failure; `./dev test-sanitize` runs the suite that way.
option(KV_SANITIZE "Build under AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KV_SANITIZE)
  # -O1 and line tables only: quicker to build, still quick to run and to symbolise.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1 -g1)
  add_link_options(-fsanitize=address,undefined)
endif()
