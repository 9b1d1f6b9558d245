# kanvo-quiz as installed: the program, and its voice clips in the folder it looks in after the
# working directory's (share/kanvo-quiz/音乐, found from the program's place: app/installed_data.h).
install(TARGETS kanvo-quiz RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT quiz)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/音乐 DESTINATION ${CMAKE_INSTALL_DATADIR}/kanvo-quiz
        COMPONENT quiz)
