# Which folders each core folder may use, lowest first. A folder's files include headers of
# their own folder and of the folders listed here, never of a folder above; each folder is a
# static library linked to exactly these. The Qt views (the ui/ subfolders), the command-line
# companion and the tools sit over app and may use every folder.
set(OMVERA_LAYERS base astro input aspects drawing reports calendars app)
set(OMVERA_USES_base "")
set(OMVERA_USES_astro base)
set(OMVERA_USES_input base astro)
set(OMVERA_USES_aspects base astro input)
set(OMVERA_USES_drawing base astro input aspects)
set(OMVERA_USES_reports base astro input aspects)
set(OMVERA_USES_calendars base astro input aspects reports)
set(OMVERA_USES_app base astro input aspects drawing reports calendars)

# Includes allowed against the table, as "file=included header" (none today).
set(OMVERA_LAYER_EXCEPTIONS)
