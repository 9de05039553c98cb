# The headers document in plain // comments; doxygen reads them as documentation of the declaration that follows,
# and a comment after a member or enumerator as that member's.
s|^\([[:space:]]*\)// |\1/// |
s|^\([[:space:]]*\)//$|\1///|
s|\([;,]\)[[:space:]]*// |\1 ///< |
