# Images and fonts under ":/Resources/", built into the `app` library through the object library
# `ovresources` (resource name "resources"; the program and the tests call
# Q_INIT_RESOURCE(resources)).
# Images are hand-drawn SVGs rendered at build time; the fonts are DejaVu faces from the
# system's Debian packages, copied under the names the theme model registers.
find_package(Qt5 5.15 REQUIRED COMPONENTS Gui Svg)

add_executable(ov_render_images ${PROJECT_SOURCE_DIR}/resources/tools/render_images.cpp)
target_link_libraries(ov_render_images PRIVATE Qt5::Gui Qt5::Svg)

set(ov_res_src ${PROJECT_SOURCE_DIR}/resources)
set(ov_res_out ${CMAKE_CURRENT_BINARY_DIR}/Resources)
set(ov_res_files)
set(ov_res_entries)

# name, output extension, scale. The working area's brand ring is drawn at the size it takes in
# the first window (480 pixels) and the picture inside it, shown at 0.4 of that, at 256: the
# start decodes each once, and a larger source would cost decoding time nobody sees.
set(ov_images
  Toolbar,png,1 lightToolbar,png,1 menuBar,png,1 lightMenuBar,png,1
  Fondo_2,png,1 lightFondo_2,png,1 Infobar,png,1 lightInfobar,png,1
  tabPage,png,1 lightTabPage,png,1 WorkigArea_BLU,png,1 lightWorkinAreaBg,png,1
  tickOn,png,1 null,png,1 closeBtn,png,2
  WorkigArea_Anello_m,png,0.75 Blank_m,png,0.4 infoBGImage_m,png,1 logoTavrel,ico,1
  tbOpenFile,png,1 tbNewFile,png,1 tbSave,png,1 tbPdfExport,png,1 tbCsvExport,png,1
  tbCompile,png,1 tbImport,png,1 tbCheckCbe,png,1)
# Loop protocol icons of the point types.
list(APPEND ov_images adv,png,1 varn,png,1 apl,png,1 warning,png,1 errors,png,1)
# The plant tree: loop icons by protocol and state, page items, and one variant (the "_m" one,
# as for the working area's pictures) of each branded pattern the trees ask for.
# The plant pictures also fill three quarters of the report's cover: 1216 pixels wide.
list(APPEND ov_images loopAdvancedClose,png,1 loopAdvancedOpen,png,1 loopVarnClose,png,1 loopVarnOpen,png,1
  loopAplClose,png,1 loopAplOpen,png,1 loop_m,png,1 centrale_m,png,1 centraleIntera_m,png,1 centraleStandAlone_m,png,19
  centraleSuper_m,png,19 Centrali_m,png,1 GenParameters_m,png,1 pwdManager_m,png,1 PlantAreas_m,png,1 PlantGroups,png,1
  Ripetitore,png,1 annunciator_m,png,1 sensore,png,1 Moduli,png,1)
# The group table's sensitivity marks and the CBE keypad's command keys.
list(APPEND ov_images highSensibilityGroup_on,png,1 lowSensibilityGroup_on,png,1 cbeBackspace,png,1 cbeCaretLeft,png,1
  cbeCaretRight,png,1)
# The point tables: a channel's input or output kind and the type cell's drop-down arrow.
list(APPEND ov_images ptTypeIn,png,1 ptTypeOut,png,1 ptTypeArrow,png,1)
# Badges of the language menu, one per translation code.
list(APPEND ov_images ar,png,1 en,png,1 es,png,1 fr,png,1 hu,png,1 it,png,1 iw,png,1 nl,png,1 no,png,1 pt,png,1 ro,png,1)
foreach(entry IN LISTS ov_images)
  string(REPLACE "," ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 ext)
  list(GET parts 2 scale)
  set(out ${ov_res_out}/${name}.${ext})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ov_res_out}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:ov_render_images> ${ov_res_src}/images/${name}.svg ${out} ${scale}
    DEPENDS ov_render_images ${ov_res_src}/images/${name}.svg
    VERBATIM)
  list(APPEND ov_res_files ${out})
  string(APPEND ov_res_entries "    <file>Resources/${name}.${ext}</file>\n")
endforeach()

# Theme font name, DejaVu face standing in for it
set(ov_fonts
  FernholdtSansWebBlack,DejaVuSans-Bold
  FernholdtSansWebBlackItalic,DejaVuSans-BoldOblique
  FernholdtSansWebBold,DejaVuSans-Bold
  FernholdtSansWebBoldItalic,DejaVuSans-BoldOblique
  FernholdtSansWebBook,DejaVuSans
  FernholdtSansWebBookItalic,DejaVuSans-Oblique
  FernholdtSansWebExtraBold,DejaVuSans-Bold
  FernholdtSansWebExtraboldItalic,DejaVuSans-BoldOblique
  FernholdtSansWebLight,DejaVuSans-ExtraLight
  FernholdtSansWebLightItalic,DejaVuSans-Oblique
  FernholdtSansWebMedium,DejaVuSans
  FernholdtSansWebMediumItalic,DejaVuSans-Oblique)
set(ov_font_dir /usr/share/fonts/truetype/dejavu)
foreach(entry IN LISTS ov_fonts)
  string(REPLACE "," ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 face)
  if(NOT EXISTS ${ov_font_dir}/${face}.ttf)
    message(FATAL_ERROR "${ov_font_dir}/${face}.ttf missing: run scripts/install-deps.sh")
  endif()
  set(out ${ov_res_out}/fonts/${name}.ttf)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy ${ov_font_dir}/${face}.ttf ${out}
    DEPENDS ${ov_font_dir}/${face}.ttf VERBATIM)
  list(APPEND ov_res_files ${out})
  string(APPEND ov_res_entries "    <file>Resources/fonts/${name}.ttf</file>\n")
endforeach()
# The licence travels with the fonts (both packages carry the same DejaVu licence).
foreach(pkg fonts-dejavu-core fonts-dejavu-extra)
  set(out ${ov_res_out}/fonts/COPYRIGHT-${pkg}.txt)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E copy /usr/share/doc/${pkg}/copyright ${out}
    DEPENDS /usr/share/doc/${pkg}/copyright VERBATIM)
  list(APPEND ov_res_files ${out})
  string(APPEND ov_res_entries "    <file>Resources/fonts/COPYRIGHT-${pkg}.txt</file>\n")
endforeach()

set(ov_res_qrc ${CMAKE_CURRENT_BINARY_DIR}/resources.qrc)
file(CONFIGURE OUTPUT ${ov_res_qrc}
  CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${ov_res_entries}  </qresource>\n</RCC>\n" @ONLY)
set(ov_res_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_resources.cpp)
# Stored uncompressed: the PNGs are compressed already, and a font read from the mapped
# program costs neither inflating at start nor a heap copy.
add_custom_command(OUTPUT ${ov_res_cpp}
  COMMAND Qt5::rcc --name resources --no-compress --output ${ov_res_cpp} ${ov_res_qrc}
  DEPENDS ${ov_res_qrc} ${ov_res_files} VERBATIM)
set_source_files_properties(${ov_res_cpp} PROPERTIES SKIP_AUTOGEN ON)
# An object library of its own, so that a test of a lower layer can link the pictures without
# the application.
add_library(ovresources OBJECT ${ov_res_cpp})
target_link_libraries(ovresources PRIVATE Qt5::Core)
target_link_libraries(app PRIVATE ovresources)

# The QML scene: resource name "qml", Q_INIT_RESOURCE(qml). Compiled ahead of time, so the
# start neither parses it nor writes a cache of it.
find_package(Qt5QuickCompiler REQUIRED)
qtquick_compiler_add_resources(OV_QML_RESOURCES ${PROJECT_SOURCE_DIR}/qml/qml.qrc)
set_source_files_properties(${OV_QML_RESOURCES} PROPERTIES SKIP_AUTOGEN ON)
target_sources(app PRIVATE ${OV_QML_RESOURCES})
